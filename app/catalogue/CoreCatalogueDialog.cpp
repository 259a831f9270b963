#include "CoreCatalogueDialog.h"

#include <QTreeWidget>

#include "Catalogue.h"
#include "FieldTexts.h"

namespace transcalc {

namespace {

using transcalc::CoreKind;

// The kind column's text, a row per kind in kCoreKinds' order.
constexpr const char* kKindTexts[] = {
    QT_TRANSLATE_NOOP("transcalc::CoreCatalogueDialog", "Кольцо"),
    QT_TRANSLATE_NOOP("transcalc::CoreCatalogueDialog", "Ш Образный"),
    QT_TRANSLATE_NOOP("transcalc::CoreCatalogueDialog", "П Образный"),
};
static_assert(std::size(kKindTexts) == kCoreKinds.size());

QString KindText(CoreKind kind) {
    return CoreCatalogueDialog::tr(kKindTexts[static_cast<std::size_t>(kind)]);
}

QString Title() {
    return CoreCatalogueDialog::tr("Сердечник из каталога");
}

QStringList Headings() {
    return {CoreCatalogueDialog::tr("Название"),    CoreCatalogueDialog::tr("Вид"),
            CoreCatalogueDialog::tr("D1 / H1, мм"), CoreCatalogueDialog::tr("D2 / H2, мм"),
            CoreCatalogueDialog::tr("H / L1, мм"),  CoreCatalogueDialog::tr("L2, мм")};
}

}  // namespace

CoreCatalogueDialog::CoreCatalogueDialog(const transcalc::catalogue::Catalogue& catalogue,
                                         CoreKind firstKind, std::string_view separator,
                                         QWidget* parent)
    : CatalogueDialog(QStringLiteral("CoreCatalogue"), Title(), Headings(), 2, parent),
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

void CoreCatalogueDialog::Retranslate() {
    SetHeadings(Title(), Headings());
    for (int row = 0; row < list()->topLevelItemCount(); ++row) {
        list()->topLevelItem(row)->setText(1, KindText(catalogue_.cores[IndexOfRow(row)].kind));
    }
}

const transcalc::catalogue::Core* CoreCatalogueDialog::chosenCore() const {
    const int index = chosenIndex();
    return index < 0 ? nullptr : &catalogue_.cores[index];
}

}  // namespace transcalc
