#include "DesignModel.h"

#include <utility>

namespace transcalc {

void Design::SetField(Field field, std::string text) {
    if (IsDimension(field) && fields[field] != text) {
        catalogueCore.clear();
    }
    fields[field] = std::move(text);
}

void Design::ShowCore(CoreKind kind) {
    if (cores != CorePictures::Of(kind)) {
        catalogueCore.clear();
    }
    cores = CorePictures::Of(kind);
}

void Design::ShowNoCore() {
    cores = {};
    catalogueCore.clear();
}

void Design::ClearFields() {
    fields = InputFields::DesignTexts();
    catalogueCore.clear();
}

std::optional<CoreKind> Design::FirstCore() const {
    for (const CoreKindInfo& info : kCoreKinds) {
        if (cores.Shows(info.kind)) {
            return info.kind;
        }
    }
    return std::nullopt;
}

int Design::CoresShown() const {
    return int{cores.ring} + int{cores.shapedE} + int{cores.shapedU};
}

}  // namespace transcalc
