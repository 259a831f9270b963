#pragma once

#include <string>
#include <string_view>

#include "CatalogueDialog.h"

namespace transcalc::catalogue {
struct Catalogue;
}  // namespace transcalc::catalogue

namespace transcalc {

struct Material;

// The materials of the catalogue with their saturation at 25 °C and 100 °C;
// under the list, what OK sets in the "Проницаемость" and "dB - Индукция
// насыщения" fields (the working flux, 0.8 of the saturation at 100 °C).
class MaterialDialog : public CatalogueDialog {
    Q_OBJECT

public:
    MaterialDialog(const transcalc::catalogue::Catalogue& catalogue, std::string_view separator,
                   QWidget* parent);

    // The chosen material; nullptr when none is.
    const transcalc::Material* chosenMaterial() const;
    QLabel* preview() const { return preview_; }

private:
    void ChosenChanged() override;
    void Retranslate() override;

    const transcalc::catalogue::Catalogue& catalogue_;
    std::string separator_;
    QLabel* preview_;
};

}  // namespace transcalc
