#include "CoreCatalogueDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Catalogue.h"
#include "CoreFamily.h"
#include "FamilyCoreText.h"
#include "FieldTexts.h"
#include "WindowLanguage.h"

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

QString FamilyText(CoreFamily family) {
    return QString::fromUtf8(FamilyName(family, WindowLanguage()));
}

// A ring, Ш or П core by its kind's text, any other by its family's name.
QString KindText(const transcalc::catalogue::Core& core) {
    return core.IsClassic()
               ? CoreCatalogueDialog::tr(kKindTexts[static_cast<std::size_t>(core.kind)])
               : FamilyText(core.Family());
}

QString Title() {
    return CoreCatalogueDialog::tr("Сердечник из каталога");
}

QStringList Headings() {
    return {CoreCatalogueDialog::tr("Название"),    CoreCatalogueDialog::tr("Вид"),
            CoreCatalogueDialog::tr("D1 / H1, мм"), CoreCatalogueDialog::tr("D2 / H2, мм"),
            CoreCatalogueDialog::tr("H / L1, мм"),  CoreCatalogueDialog::tr("L2, мм")};
}

// The family box holds each family's index, or this for all families.
constexpr int kAllFamilies = -1;

}  // namespace

CoreCatalogueDialog::CoreCatalogueDialog(const transcalc::catalogue::Catalogue& catalogue,
                                         CoreFamily firstFamily, std::string_view separator,
                                         QWidget* parent)
    : CatalogueDialog(QStringLiteral("CoreCatalogue"), Title(), Headings(), 2, parent),
      catalogue_(catalogue),
      separator_(separator),
      familyLabel_(new QLabel(this)),
      family_(new QComboBox(this)),
      status_(new QLabel(this)) {
    familyLabel_->setObjectName(QStringLiteral("CoreCatalogueFamilyLabel"));
    familyLabel_->setBuddy(family_);
    family_->setObjectName(QStringLiteral("CoreCatalogueFamily"));
    family_->addItem(QString(), kAllFamilies);
    for (const FamilyInfo& info : kCoreFamilies) {
        family_->addItem(QString(), static_cast<int>(info.family));
    }
    status_->setObjectName(QStringLiteral("CoreCatalogueStatus"));
    status_->setWordWrap(true);
    // Room for the two lines it may say, so the list keeps its height.
    status_->setMinimumHeight(2 * status_->fontMetrics().lineSpacing());
    auto* familyRow = new QHBoxLayout;
    familyRow->addWidget(familyLabel_);
    familyRow->addWidget(family_);
    familyRow->addStretch();
    extraArea()->addLayout(familyRow);
    extraArea()->addWidget(status_);
    ShowFamilyNames();

    std::vector<CoreFamily> families = {firstFamily};
    for (const FamilyInfo& info : kCoreFamilies) {
        if (info.family != families.front()) {
            families.push_back(info.family);
        }
    }
    for (CoreFamily family : families) {
        for (std::size_t i = 0; i < catalogue.cores.size(); ++i) {
            const transcalc::catalogue::Core& core = catalogue.cores[i];
            if (core.Family() != family) {
                continue;
            }
            QStringList columns = {QString::fromStdString(core.name), KindText(core)};
            for (const auto& field : transcalc::catalogue::CoreFieldTexts(core, separator)) {
                columns << QString::fromStdString(field.text);
            }
            std::string filterText = core.name;
            for (const std::string& alias : core.aliases) {
                filterText += '\t' + alias;
            }
            AddRow(columns, static_cast<int>(i), std::move(filterText));
        }
    }
    connect(family_, &QComboBox::currentIndexChanged, this, [this] { Refilter(); });
    FinishRows();
}

void CoreCatalogueDialog::ShowFamilyNames() {
    familyLabel_->setText(tr("Семейство:"));
    family_->setItemText(0, tr("все"));
    for (int item = 1; item < family_->count(); ++item) {
        family_->setItemText(item,
                             FamilyText(static_cast<CoreFamily>(family_->itemData(item).toInt())));
    }
}

void CoreCatalogueDialog::Retranslate() {
    SetHeadings(Title(), Headings());
    ShowFamilyNames();
    for (int row = 0; row < list()->topLevelItemCount(); ++row) {
        list()->topLevelItem(row)->setText(1, KindText(catalogue_.cores[IndexOfRow(row)]));
    }
    ChosenChanged();
}

bool CoreCatalogueDialog::Admits(int index) const {
    const int family = family_->currentData().toInt();
    return family == kAllFamilies ||
           catalogue_.cores[index].Family() == static_cast<CoreFamily>(family);
}

// Another family's core fills no dimension field: the list's columns stay
// empty, and the status line gives what the window shows in their place.
void CoreCatalogueDialog::ChosenChanged() {
    const transcalc::catalogue::Core* core = chosenCore();
    if (core == nullptr || core->IsClassic()) {
        status_->setText(QString());
        return;
    }
    const FamilyCoreText text = FamilyCoreTextOf(
        core->name, transcalc::catalogue::CatalogueFamilyCoreOf(*core), separator_);
    const QString window =
        text.bobbin.isEmpty() ? text.window : text.window + QStringLiteral(", ") + text.bobbin;
    status_->setText(QStringList{FamilyText(core->Family()), text.area, text.path, window}.join(
        QStringLiteral(" · ")));
}

const transcalc::catalogue::Core* CoreCatalogueDialog::chosenCore() const {
    const int index = chosenIndex();
    return index < 0 ? nullptr : &catalogue_.cores[index];
}

}  // namespace transcalc
