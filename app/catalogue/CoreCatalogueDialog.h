#pragma once

#include <string>
#include <string_view>

#include "CatalogueDialog.h"
#include "CoreFamily.h"

class QComboBox;
class QLabel;

namespace transcalc::catalogue {
struct Catalogue;
struct Core;
}  // namespace transcalc::catalogue

namespace transcalc {

// The standard cores of the catalogue with the texts their dimension fields
// take; the family shown in the window comes first, then the other ring, Ш
// and П cores, then the other families. A family box narrows the list to one
// family. A core of another family has no dimension fields: the status line
// shows what the window will show of it, its A_e, l_e and winding window.
class CoreCatalogueDialog : public CatalogueDialog {
    Q_OBJECT

public:
    CoreCatalogueDialog(const transcalc::catalogue::Catalogue& catalogue,
                        transcalc::CoreFamily firstFamily, std::string_view separator,
                        QWidget* parent);

    // The chosen core; nullptr when none is.
    const transcalc::catalogue::Core* chosenCore() const;
    QComboBox* familyBox() const { return family_; }
    QLabel* status() const { return status_; }

private:
    void ChosenChanged() override;
    bool Admits(int index) const override;
    void Retranslate() override;
    void ShowFamilyNames();

    const transcalc::catalogue::Catalogue& catalogue_;
    std::string separator_;
    QLabel* familyLabel_;
    QComboBox* family_;
    QLabel* status_;
};

}  // namespace transcalc
