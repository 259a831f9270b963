#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace transcalc::json {

struct Value;
struct Member;
using Array = std::vector<Value>;
// Members in the order written; a key given twice means its last value. A
// class of its own rather than a pair: a vector may hold a class that is not
// yet complete, a pair of one may not be formed.
using Object = std::vector<Member>;

struct Value {
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> data;

    bool IsNull() const { return std::holds_alternative<std::nullptr_t>(data); }
    // The member named key, or nullptr when there is none (or this is no object).
    const Value* Find(std::string_view key) const;
};

struct Member {
    std::string key;
    Value value;
};

// A text that is not JSON; what() tells where, by line and column (from 1,
// columns counted in bytes).
class SyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One JSON value filling the whole text (white space around it allowed).
// Strings must be UTF-8; \u escapes may pair surrogates, never leave one alone.
// Throws SyntaxError.
Value Parse(std::string_view text);

// The value as indented text ending in a line break. Numbers are written in
// their shortest form that reads back to the same double; a number that is
// not finite, or a string that is not UTF-8, throws std::invalid_argument.
std::string Write(const Value& value);

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

}  // namespace transcalc::json
