#include "Json.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

namespace transcalc::json {
namespace {

// Deeper nesting is no design file; the bound keeps the reader's stack small.
constexpr int kMaxDepth = 64;

// The length of the UTF-8 sequence starting at text[at], or 0 when it is not
// one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const auto continuation = [&](std::size_t i) {
        return at + i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continuation(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(1) || !continuation(2)) {
            return 0;
        }
        const bool overlong = lead == 0xE0 && byte(1) < 0xA0;
        const bool surrogate = lead == 0xED && byte(1) >= 0xA0;
        return overlong || surrogate ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3)) {
            return 0;
        }
        const bool overlong = lead == 0xF0 && byte(1) < 0x90;
        const bool beyondUnicode = lead == 0xF4 && byte(1) >= 0x90;
        return overlong || beyondUnicode ? 0 : 4;
    }
    return 0;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Value Document() {
        SkipSpace();
        Value value = ParseValue(0);
        SkipSpace();
        if (pos_ != text_.size()) {
            Fail("more text after the value");
        }
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { FailAt(pos_, what); }

    [[noreturn]] void FailAt(std::size_t at, const std::string& what) const {
        std::size_t line = 1;
        std::size_t lineStart = 0;
        for (std::size_t i = 0; i < at && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        }
        throw SyntaxError(what + " at line " + std::to_string(line) + ", column " +
                          std::to_string(at - lineStart + 1));
    }

    [[noreturn]] void Unexpected() const {
        if (pos_ >= text_.size()) {
            Fail("unexpected end of the text");
        }
        const char c = text_[pos_];
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) {
            Fail("unexpected byte");
        }
        Fail(std::string("unexpected '") + c + "'");
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    void Expect(char c) {
        if (AtEnd() || text_[pos_] != c) {
            Unexpected();
        }
        ++pos_;
    }

    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            ++pos_;
        }
    }

    void ExpectWord(std::string_view word) {
        for (char c : word) {
            Expect(c);
        }
    }

    Value ParseValue(int depth) {
        if (depth > kMaxDepth) {
            Fail("nesting too deep");
        }
        switch (Peek()) {
            case '{':
                return {ParseObject(depth)};
            case '[':
                return {ParseArray(depth)};
            case '"':
                return {ParseString()};
            case 't':
                ExpectWord("true");
                return {true};
            case 'f':
                ExpectWord("false");
                return {false};
            case 'n':
                ExpectWord("null");
                return {nullptr};
            default:
                if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) {
                    return {ParseNumber()};
                }
                Unexpected();
        }
    }

    Object ParseObject(int depth) {
        Expect('{');
        Object object;
        SkipSpace();
        if (Peek() == '}') {
            ++pos_;
            return object;
        }
        for (;;) {
            SkipSpace();
            if (Peek() != '"') {
                Unexpected();
            }
            std::string key = ParseString();
            SkipSpace();
            Expect(':');
            SkipSpace();
            object.push_back(Member{std::move(key), ParseValue(depth + 1)});
            SkipSpace();
            if (Peek() == ',') {
                ++pos_;
                continue;
            }
            Expect('}');
            return object;
        }
    }

    Array ParseArray(int depth) {
        Expect('[');
        Array array;
        SkipSpace();
        if (Peek() == ']') {
            ++pos_;
            return array;
        }
        for (;;) {
            SkipSpace();
            array.push_back(ParseValue(depth + 1));
            SkipSpace();
            if (Peek() == ',') {
                ++pos_;
                continue;
            }
            Expect(']');
            return array;
        }
    }

    std::uint32_t HexQuad() {
        std::uint32_t code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            int digit = -1;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            }
            if (digit < 0) {
                Unexpected();
            }
            code = code * 16 + static_cast<std::uint32_t>(digit);
            ++pos_;
        }
        return code;
    }

    // After "\u": one code point, joining a surrogate pair.
    std::uint32_t UnicodeEscape(std::size_t escapeStart) {
        const std::uint32_t first = HexQuad();
        if (first >= 0xDC00 && first <= 0xDFFF) {
            FailAt(escapeStart, "lone low surrogate");
        }
        if (first < 0xD800 || first > 0xDBFF) {
            return first;
        }
        if (text_.substr(pos_, 2) != "\\u") {
            FailAt(escapeStart, "lone high surrogate");
        }
        pos_ += 2;
        const std::uint32_t second = HexQuad();
        if (second < 0xDC00 || second > 0xDFFF) {
            FailAt(escapeStart, "lone high surrogate");
        }
        return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }

    std::string ParseString() {
        Expect('"');
        std::string out;
        for (;;) {
            if (AtEnd()) {
                Fail("unexpected end of the text in a string");
            }
            const char c = text_[pos_];
            if (c == '"') {
                ++pos_;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                Fail("control character in a string");
            }
            if (c != '\\') {
                const std::size_t length = Utf8SequenceLength(text_, pos_);
                if (length == 0) {
                    Fail("not UTF-8");
                }
                out.append(text_.substr(pos_, length));
                pos_ += length;
                continue;
            }
            const std::size_t escapeStart = pos_;
            ++pos_;
            const char escaped = Peek();
            ++pos_;
            switch (escaped) {
                case '"':
                case '\\':
                case '/':
                    out += escaped;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    AppendUtf8(out, UnicodeEscape(escapeStart));
                    break;
                default:
                    FailAt(escapeStart, "unknown escape");
            }
        }
    }

    double ParseNumber() {
        const std::size_t start = pos_;
        auto digits = [&] {
            const std::size_t from = pos_;
            while (Peek() >= '0' && Peek() <= '9') {
                ++pos_;
            }
            if (pos_ == from) {
                Unexpected();
            }
        };
        if (Peek() == '-') {
            ++pos_;
        }
        if (Peek() == '0') {
            ++pos_;
        } else {
            digits();
        }
        if (Peek() == '.') {
            ++pos_;
            digits();
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-') {
                ++pos_;
            }
            digits();
        }
        double value = 0;
        const char* first = text_.data() + start;
        const auto [end, error] = std::from_chars(first, text_.data() + pos_, value);
        if (error != std::errc() || end != text_.data() + pos_) {
            FailAt(start, "number out of range");
        }
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

void WriteString(std::string& out, std::string_view text) {
    if (!IsUtf8(text)) {
        throw std::invalid_argument("a text is not UTF-8");
    }
    out += '"';
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    constexpr char kHex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[(c >> 4) & 0xF];
                    out += kHex[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void WriteNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument("a number is not finite");
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

void WriteValue(std::string& out, const Value& value, int indent) {
    const auto newLine = [&](int level) {
        out += '\n';
        out.append(static_cast<std::size_t>(level) * 2, ' ');
    };
    if (value.IsNull()) {
        out += "null";
    } else if (const bool* flag = std::get_if<bool>(&value.data)) {
        out += *flag ? "true" : "false";
    } else if (const double* number = std::get_if<double>(&value.data)) {
        WriteNumber(out, *number);
    } else if (const std::string* text = std::get_if<std::string>(&value.data)) {
        WriteString(out, *text);
    } else if (const Array* array = std::get_if<Array>(&value.data)) {
        out += '[';
        for (std::size_t i = 0; i < array->size(); ++i) {
            out += i == 0 ? "" : ",";
            newLine(indent + 1);
            WriteValue(out, (*array)[i], indent + 1);
        }
        if (!array->empty()) {
            newLine(indent);
        }
        out += ']';
    } else {
        const Object& object = std::get<Object>(value.data);
        out += '{';
        for (std::size_t i = 0; i < object.size(); ++i) {
            out += i == 0 ? "" : ",";
            newLine(indent + 1);
            WriteString(out, object[i].key);
            out += ": ";
            WriteValue(out, object[i].value, indent + 1);
        }
        if (!object.empty()) {
            newLine(indent);
        }
        out += '}';
    }
}

}  // namespace

const Value* Value::Find(std::string_view key) const {
    const Object* object = std::get_if<Object>(&data);
    if (object == nullptr) {
        return nullptr;
    }
    for (auto member = object->rbegin(); member != object->rend(); ++member) {
        if (member->key == key) {
            return &member->value;
        }
    }
    return nullptr;
}

Value Parse(std::string_view text) {
    return Parser(text).Document();
}

std::string Write(const Value& value) {
    std::string out;
    WriteValue(out, value, 0);
    out += '\n';
    return out;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

}  // namespace transcalc::json
