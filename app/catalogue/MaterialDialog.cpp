#include "MaterialDialog.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Catalogue.h"
#include "FieldTexts.h"

namespace transcalc {

namespace {

// The data's composition words in the window's language; others as they are.
QString CompositionText(const std::string& composition) {
    const std::pair<const char*, const char*> known[] = {
        {"ferrite", QT_TRANSLATE_NOOP("transcalc::MaterialDialog", "феррит")},
        {"powder", QT_TRANSLATE_NOOP("transcalc::MaterialDialog", "порошковый")},
        {"nanocrystalline", QT_TRANSLATE_NOOP("transcalc::MaterialDialog", "нанокристаллический")},
        {"amorphous", QT_TRANSLATE_NOOP("transcalc::MaterialDialog", "аморфный")},
    };
    for (const auto& [word, text] : known) {
        if (composition == word) {
            return MaterialDialog::tr(text);
        }
    }
    return QString::fromStdString(composition);
}

QString Title() {
    return MaterialDialog::tr("Материал сердечника");
}

QStringList Headings() {
    return {MaterialDialog::tr("Название"),       MaterialDialog::tr("Производитель"),
            MaterialDialog::tr("Состав"),         MaterialDialog::tr("Проницаемость"),
            MaterialDialog::tr("Bнас 25 °C, Тл"), MaterialDialog::tr("Bнас 100 °C, Тл"),
            MaterialDialog::tr("dB, Тл")};
}

}  // namespace

MaterialDialog::MaterialDialog(const transcalc::catalogue::Catalogue& catalogue,
                               std::string_view separator, QWidget* parent)
    : CatalogueDialog(QStringLiteral("Material"), Title(), Headings(), 3, parent),
      catalogue_(catalogue),
      separator_(separator),
      preview_(new QLabel(this)) {
    preview_->setObjectName(QStringLiteral("MaterialPreview"));
    extraArea()->addWidget(preview_);
    for (std::size_t i = 0; i < catalogue.materials.size(); ++i) {
        const transcalc::Material& material = catalogue.materials[i];
        AddRow(
            {QString::fromStdString(material.name), QString::fromStdString(material.maker),
             CompositionText(material.composition),
             QString::fromStdString(transcalc::catalogue::PermeabilityText(material)),
             QString::fromStdString(transcalc::catalogue::SaturationText(material, 25, separator)),
             QString::fromStdString(transcalc::catalogue::SaturationText(
                 material, transcalc::catalogue::kFieldSaturationTemperature, separator)),
             QString::fromStdString(transcalc::catalogue::WorkingFluxText(material, separator))},
            static_cast<int>(i), material.name + '\t' + material.maker);
    }
    FinishRows();
}

const transcalc::Material* MaterialDialog::chosenMaterial() const {
    const int index = chosenIndex();
    return index < 0 ? nullptr : &catalogue_.materials[index];
}

void MaterialDialog::Retranslate() {
    SetHeadings(Title(), Headings());
    for (int row = 0; row < list()->topLevelItemCount(); ++row) {
        list()->topLevelItem(row)->setText(
            2, CompositionText(catalogue_.materials[IndexOfRow(row)].composition));
    }
    ChosenChanged();
}

void MaterialDialog::ChosenChanged() {
    const transcalc::Material* material = chosenMaterial();
    if (material == nullptr) {
        preview_->setText(QString());
        return;
    }
    const QString permeability =
        QString::fromStdString(transcalc::catalogue::PermeabilityText(*material));
    const std::string working = transcalc::catalogue::WorkingFluxText(*material, separator_);
    if (working.empty()) {
        preview_->setText(tr("Проницаемость: %1      dB - Индукция насыщения: "
                             "нет данных, поле не меняется")
                              .arg(permeability));
        return;
    }
    const auto saturation = [&](double temperature) {
        return QString::fromStdString(
            transcalc::catalogue::SaturationText(*material, temperature, separator_));
    };
    // The field takes a working flux with a 20 % margin when warm, not the
    // saturation itself.
    preview_->setText(tr("Проницаемость: %1      dB - Индукция насыщения: %2 Тл "
                         "(%3 · Bнас при 100 °C)\nBнас: %4 Тл при 25 °C, "
                         "%5 Тл при 100 °C")
                          .arg(permeability, QString::fromStdString(working),
                               QString::fromStdString(transcalc::catalogue::RoundedText(
                                   transcalc::catalogue::kWorkingFluxShare, 1, separator_)),
                               saturation(25),
                               saturation(transcalc::catalogue::kFieldSaturationTemperature)));
}

}  // namespace transcalc
