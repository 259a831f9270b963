#pragma once

#include <string_view>

#include "CatalogueDialog.h"
#include "WorkMode.h"

namespace transcalc::catalogue {
struct Catalogue;
struct Core;
}  // namespace transcalc::catalogue

namespace transcalc {

// The standard cores of the catalogue with the texts their dimension fields
// take; the kind chosen in the window comes first.
class CoreCatalogueDialog : public CatalogueDialog {
    Q_OBJECT

public:
    CoreCatalogueDialog(const transcalc::catalogue::Catalogue& catalogue,
                        transcalc::CoreKind firstKind, std::string_view separator, QWidget* parent);

    // The chosen core; nullptr when none is.
    const transcalc::catalogue::Core* chosenCore() const;

private:
    void Retranslate() override;

    const transcalc::catalogue::Catalogue& catalogue_;
};

}  // namespace transcalc
