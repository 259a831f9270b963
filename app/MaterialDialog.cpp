#include "MaterialDialog.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

// The data's composition words in the window's language; others as they are.
QString CompositionText(const std::string& composition) {
    const std::pair<const char*, const char*> known[] = {
        {"ferrite", "феррит"},
        {"powder", "порошковый"},
        {"nanocrystalline", "нанокристаллический"},
        {"amorphous", "аморфный"},
    };
    for (const auto& [word, text] : known) {
        if (composition == word) {
            return QString::fromUtf8(text);
        }
    }
    return QString::fromStdString(composition);
}

}  // namespace

MaterialDialog::MaterialDialog(const transcalc::catalogue::Catalogue& catalogue,
                               std::string_view separator, QWidget* parent)
    : CatalogueDialog(
          QStringLiteral("Material"), QStringLiteral("Материал сердечника"),
          {QStringLiteral("Название"), QStringLiteral("Производитель"), QStringLiteral("Состав"),
           QStringLiteral("Проницаемость"), QStringLiteral("dB при 100 °C, Тл")},
          3, parent),
      catalogue_(catalogue),
      separator_(separator),
      preview_(new QLabel(this)) {
    preview_->setObjectName(QStringLiteral("MaterialPreview"));
    extraArea()->addWidget(preview_);
    for (std::size_t i = 0; i < catalogue.materials.size(); ++i) {
        const transcalc::Material& material = catalogue.materials[i];
        AddRow({QString::fromStdString(material.name), QString::fromStdString(material.maker),
                CompositionText(material.composition),
                QString::fromStdString(transcalc::catalogue::PermeabilityText(material)),
                QString::fromStdString(transcalc::catalogue::SaturationText(material, separator))},
               static_cast<int>(i), material.name + '\t' + material.maker);
    }
    FinishRows();
}

const transcalc::Material* MaterialDialog::chosenMaterial() const {
    const int index = chosenIndex();
    return index < 0 ? nullptr : &catalogue_.materials[index];
}

void MaterialDialog::ChosenChanged() {
    const transcalc::Material* material = chosenMaterial();
    if (material == nullptr) {
        preview_->setText(QString());
        return;
    }
    const std::string saturation = transcalc::catalogue::SaturationText(*material, separator_);
    preview_->setText(
        QStringLiteral("Проницаемость: %1      dB - Индукция насыщения: %2")
            .arg(QString::fromStdString(transcalc::catalogue::PermeabilityText(*material)),
                 saturation.empty()
                     ? QStringLiteral("нет данных, поле не меняется")
                     : QString::fromStdString(saturation) + QStringLiteral(" Тл (при 100 °C)")));
}
