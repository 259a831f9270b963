#pragma once

#include <optional>
#include <string>

#include "Calculate.h"
#include "CheckInputs.h"
#include "FamilyShape.h"
#include "InputField.h"
#include "WorkMode.h"

namespace transcalc {

// One design as the user states it: what the window shows, a design file
// keeps and every program runs. The catalogue core's name holds only while
// the design still has that core: the commands below drop it as soon as the
// core kind or a dimension changes.
struct Design {
    InputFields fields = InputFields::DesignTexts();  // exactly as typed
    // The core kind as the window holds it: which core pictures are visible.
    // Normally one; a state file or the command line can show more.
    CorePictures cores;
    std::string mode;           // the mode text, any text; empty: none chosen
    std::string catalogueCore;  // empty: the dimensions are the user's own
    // A catalogue core of a family beyond the classic three, named by
    // catalogueCore: it shows no classic picture and takes no dimension field.
    std::optional<CatalogueFamilyCore> familyCore;
    std::string material;              // empty: none chosen
    std::optional<CheckInputs> check;  // once the check has run or a file kept it

    // A field's new text; another dimension drops the catalogue core.
    void SetField(Field field, std::string text);
    // A core menu command: that picture alone; another kind drops the
    // catalogue core.
    void ShowCore(CoreKind kind);
    // No core picture at all, as a design file without a core asks.
    void ShowNoCore();
    // A catalogue core of a family beyond the classic three, in place of the
    // classic pictures.
    void ShowFamilyCore(std::string name, CatalogueFamilyCore core);
    // "Очистить": every field back to its design text.
    void ClearFields();
    // The kind a design file keeps: the first visible picture, if any.
    std::optional<CoreKind> FirstCore() const;
    // The family of the core shown: the family core's, else the first
    // visible picture's.
    std::optional<CoreFamily> Family() const;
    // How many core pictures are visible, a family core's drawing included.
    int CoresShown() const;

    bool operator==(const Design& other) const = default;
};

// The dimension fields: those that a catalogue core fills.
constexpr bool IsDimension(Field field) {
    return field == Field::Dimension1 || field == Field::Dimension2 || field == Field::Dimension3 ||
           field == Field::Dimension4;
}

}  // namespace transcalc
