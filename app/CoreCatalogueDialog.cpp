#include "CoreCatalogueDialog.h"

namespace transcalc {

namespace {

using transcalc::CoreKind;

QString KindText(CoreKind kind) {
    switch (kind) {
        case CoreKind::Ring:
            return CoreCatalogueDialog::tr("Кольцо");
        case CoreKind::ShapedE:
            return CoreCatalogueDialog::tr("Ш Образный");
        case CoreKind::ShapedU:
            return CoreCatalogueDialog::tr("П Образный");
    }
    return {};
}

}  // namespace

CoreCatalogueDialog::CoreCatalogueDialog(const transcalc::catalogue::Catalogue& catalogue,
                                         CoreKind firstKind, std::string_view separator,
                                         QWidget* parent)
    : CatalogueDialog(QStringLiteral("CoreCatalogue"), tr("Сердечник из каталога"),
                      {tr("Название"), tr("Вид"), tr("D1 / H1, мм"), tr("D2 / H2, мм"),
                       tr("H / L1, мм"), tr("L2, мм")},
                      2, parent),
      catalogue_(catalogue) {
    std::vector<CoreKind> kinds = {firstKind};
    for (const transcalc::CoreKindInfo& info : transcalc::kCoreKinds) {
        if (info.kind != firstKind) {
            kinds.push_back(info.kind);
        }
    }
    for (CoreKind kind : kinds) {
        for (std::size_t i = 0; i < catalogue.cores.size(); ++i) {
            const transcalc::catalogue::Core& core = catalogue.cores[i];
            if (core.kind != kind) {
                continue;
            }
            QStringList columns = {QString::fromStdString(core.name), KindText(kind)};
            for (const auto& field : transcalc::catalogue::CoreFieldTexts(core, separator)) {
                columns << QString::fromStdString(field.text);
            }
            AddRow(columns, static_cast<int>(i), core.name);
        }
    }
    FinishRows();
}

const transcalc::catalogue::Core* CoreCatalogueDialog::chosenCore() const {
    const int index = chosenIndex();
    return index < 0 ? nullptr : &catalogue_.cores[index];
}

}  // namespace transcalc
