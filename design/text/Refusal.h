#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "Language.h"

namespace transcalc {

// Why an input was refused, in both languages: the window says it in its
// own, the command line in that of --lang.
struct Refusal {
    std::string russian;
    std::string english;

    const std::string& In(Language language) const {
        return language == Language::English ? english : russian;
    }
    bool operator==(const Refusal&) const = default;
};

// An input refused. what() is the English text, for whoever catches any
// exception; In() is the text a user reads.
class RefusalError : public std::invalid_argument {
public:
    explicit RefusalError(Refusal refusal)
        : std::invalid_argument(refusal.english),
          refusal_(std::make_shared<const Refusal>(std::move(refusal))) {}

    const Refusal& refusal() const { return *refusal_; }
    const std::string& In(Language language) const { return refusal_->In(language); }

private:
    // Shared, so that copying the exception cannot throw.
    std::shared_ptr<const Refusal> refusal_;
};

}  // namespace transcalc
