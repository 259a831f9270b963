# cmake -DINPUT=file -DOUTPUT=source.cpp -DFUNCTION=name -P EmbedText.cmake
# Writes a source whose function `std::string_view name()` returns the bytes
# of the file, as a byte array so that no character needs escaping.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}.new"
"// Generated from ${INPUT} at build time.
#include \"BuiltinText.h\"

namespace transcalc::catalogue {
namespace {
constexpr char kBytes[${size} + 1] = {
    ${bytes}'\\0'};
}  // namespace

std::string_view ${FUNCTION}() {
    return {kBytes, ${size}};
}

}  // namespace transcalc::catalogue
")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
