#include "DesignModel.h"

#include <utility>

namespace transcalc {

void Design::SetField(Field field, std::string text) {
    if (IsDimension(field) && fields[field] != text && !familyCore) {
        catalogueCore.clear();
    }
    fields[field] = std::move(text);
}

void Design::ShowCore(CoreKind kind) {
    if (cores != CorePictures::Of(kind) || familyCore) {
        catalogueCore.clear();
    }
    cores = CorePictures::Of(kind);
    familyCore.reset();
}

void Design::ShowNoCore() {
    cores = {};
    catalogueCore.clear();
    familyCore.reset();
}

void Design::ShowFamilyCore(std::string name, CatalogueFamilyCore core) {
    cores = {};
    catalogueCore = std::move(name);
    familyCore = std::move(core);
}

void Design::ClearFields() {
    fields = InputFields::DesignTexts();
    // A family core never took its dimensions from the fields.
    if (!familyCore) {
        catalogueCore.clear();
    }
}

std::optional<CoreKind> Design::FirstCore() const {
    for (const CoreKindInfo& info : kCoreKinds) {
        if (cores.Shows(info.kind)) {
            return info.kind;
        }
    }
    return std::nullopt;
}

std::optional<CoreFamily> Design::Family() const {
    if (familyCore) {
        return familyCore->core.family;
    }
    const std::optional<CoreKind> kind = FirstCore();
    return kind ? std::optional(FamilyOfKind(*kind)) : std::nullopt;
}

int Design::CoresShown() const {
    return int{cores.ring} + int{cores.shapedE} + int{cores.shapedU} + int{familyCore.has_value()};
}

}  // namespace transcalc
