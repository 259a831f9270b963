#include "EntryLines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>
#include <utility>

namespace transcalc::catalogue {

const std::string_view kCoresHeader = "# name\tkind\tdimensions in mm, LETTER=value";
const std::string_view kMaterialsHeader =
    "# name\tmaker\tcomposition\tinitial permeability at 25 C\tsaturation, C:T ...\t"
    "Steinmetz ranges, f_min,f_max,k,alpha,beta[,ct0,ct1,ct2] ...\tCurie temperature, C\t"
    "permeability modifiers, FAMILY:METHOD:FACTOR=a,b,... ...\t"
    "loss formulas, FAMILY:METHOD=a,b,... ...";
const std::string_view kWiresHeader = "# name\tgrade\tconductor diameter, mm\touter diameter, mm";

namespace {

// A closed interval that a number of the files must lie in.
struct Bounds {
    double low = 0;
    double high = 0;

    bool Hold(double value) const { return value >= low && value <= high; }
};

// Every number of the files within what real parts reach, so that no datum
// of 1e300, below zero or upside down reaches a design. All in one place:
//
// Cores: a letter from 0.1 mm to 1 m (the data's smallest is 0.76 mm, its
// largest 210 mm); a corner radius may be 0, a sharp corner.
constexpr Bounds kDimensionMm{0.1, 1000};
constexpr Bounds kCornerRadiusMm{0, 1000};
// The offset K of an EFD's or EP's centre leg may lie either side of the
// middle (-0.2 mm on EFD 10/5/3); PM's alpha is the angle of its slots.
constexpr Bounds kOffsetMm{-1000, 1000};
constexpr Bounds kAngleDegrees{0, 360};
// Wires: from the finest IEC 60317 size, 0.01 mm, to a bar no winding takes.
constexpr Bounds kWireDiameterMm{0.01, 100};
// Materials: permeability and temperatures where the models hold; cobalt's
// Curie point, 1115 C, is the highest of any magnetic material.
constexpr Bounds kPermeability{1, 1e6};
constexpr Bounds kSaturationC{-60, 300};
constexpr Bounds kCurieC{-60, 1200};
constexpr double kMaxSaturationT = 3;  // beyond any magnetic material
// Steinmetz ranges start above 0 Hz and end after they start, at most at
// 1 GHz: the makers' open-ended fits in the public data end at 600 MHz.
constexpr double kMaxFrequencyHz = 1e9;
// The exponents within what measured ferrites and powders reach (alpha up to
// 4.05, beta down to 0.12 among the built-in materials).
constexpr Bounds kAlpha{0.5, 4.5};
constexpr Bounds kBeta{0.1, 5};
// The span of resources/catalogue/materials.tsv widened 100 times on either
// side and rounded outward to two digits: k from 3.33e-14 to 1.14e7; |ct0| up
// to 24.8, |ct1| up to 0.52, |ct2| up to 0.00163; the powders' permeability
// factors up to 1.29e6 in magnitude; the magnetics loss formula's a from 0.42
// to 262 (its exponents of B and f bounded as beta and alpha); the
// micrometals one's a, b, c and d, where not 0, from 1e-9, 1.26e-5, 2.51e-6
// and 4.4e-5 to 5.04e-5, 0.0017, 0.0031 and 0.032.
constexpr Bounds kSteinmetzK{3.3e-16, 1.2e9};
constexpr double kMaxTemperatureFactors[] = {2500, 52, 0.17};  // |ct0|, |ct1|, |ct2|
constexpr double kMaxModifierCoefficient = 1.3e8;
constexpr Bounds kMagneticsLossA{0.0041, 27000};
constexpr Bounds kMicrometalsLoss[] = {
    {1e-11, 0.0051}, {1.2e-7, 0.18}, {2.5e-8, 0.32}, {4.4e-7, 3.2}};

// Why a line was left out.
struct BadLine {
    std::string what;
};

using Columns = std::vector<std::string_view>;

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The length of the UTF-8 sequence at the start of text, or 0 where it is
// malformed (a stray byte, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    std::size_t length = 0;
    char32_t code = 0;
    if (first < 0x80) {
        return 1;
    } else if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
        code = first & 0x1F;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        code = first & 0x0F;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        code = first & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return overlong || surrogate || code > 0x10FFFF ? 0 : length;
}

// C0, DEL and C1 control characters, in UTF-8.
bool IsControl(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    return first < 0x20 || first == 0x7F ||
           (first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0);
}

// U+FEFF: a byte order mark, invisible where it is shown.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Why a text cannot stand in a line; empty when it can.
std::string TextProblem(std::string_view text, std::string_view what) {
    while (!text.empty()) {
        const std::size_t length = Utf8Length(text);
        if (length == 0) {
            return std::string(what) + " is not valid UTF-8";
        }
        if (IsControl(text.substr(0, length))) {
            return std::string(what) + " holds a control character";
        }
        if (text.starts_with(kByteOrderMark)) {
            return std::string(what) + " holds a byte order mark";
        }
        text.remove_prefix(length);
    }
    return {};
}

// A text of the line as a message quotes it: at most 40 characters, so that
// a message stays one short line. Every column is printable UTF-8 by then.
std::string Quoted(std::string_view text) {
    constexpr std::size_t kMaxCharacters = 40;
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size() && characters < kMaxCharacters;
         ++characters) {
        end += std::max<std::size_t>(Utf8Length(text.substr(end)), 1);
    }
    return "'" + std::string(text.substr(0, end)) + (end == text.size() ? "'" : "...'");
}

// The blank-separated words of a column.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(' ', start)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

std::optional<double> Number(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The shortest digits that read back as the value, in fixed notation for
// magnitudes from 1e-4 to below 1e16 and scientific outside them, as the
// import script writes them. Not display text: the catalogue's files are
// written so and read back exactly, so it stays beside FormatValue.
std::string NumberText(double value) {
    char text[400];
    const auto scientific =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    const std::string_view written(text, scientific.ptr);
    std::size_t digits = written.find('e') + 1;
    digits += written[digits] == '+' ? 1 : 0;
    int exponent = 0;
    std::from_chars(written.data() + digits, written.data() + written.size(), exponent);
    if (exponent < -4 || exponent >= 16) {
        return std::string(written);
    }
    const auto fixed = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, fixed.ptr);
}

std::string BoundsText(const Bounds& bounds, std::string_view unit) {
    return NumberText(bounds.low) + " to " + NumberText(bounds.high) + std::string(unit);
}

// The number of a column, within its bounds; `unit` is written after them.
double BoundedNumber(std::string_view text, std::string_view what, const Bounds& bounds,
                     std::string_view unit = "") {
    const std::optional<double> value = Number(text);
    if (!value) {
        throw BadLine{std::string(what) + " " + Quoted(text) + " is not a number"};
    }
    if (!bounds.Hold(*value)) {
        throw BadLine{std::string(what) + " " + Quoted(text) + " is not within " +
                      BoundsText(bounds, unit)};
    }
    return *value;
}

// Calls visit(part) for each part of `text` between separators.
template <typename Visit>
void ForEachPart(std::string_view text, char separator, Visit visit) {
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
         start = end + 1) {
        visit(text.substr(start, end - start));
    }
    visit(text.substr(start));
}

// What a message calls the column of an index.
using ColumnName = std::string (*)(std::size_t index);

// The column's name in its file's list, else its number.
std::string NamedColumn(std::span<const std::string_view> names, std::size_t index) {
    return index < names.size() ? std::string(names[index]) : "column " + std::to_string(index + 1);
}

std::string CoreColumn(std::size_t index) {
    constexpr std::string_view kNames[] = {"the name", "the kind"};
    return index < std::size(kNames) ? NamedColumn(kNames, index)
                                     : "the dimension in " + NamedColumn({}, index);
}

std::string MaterialColumn(std::size_t index) {
    constexpr std::string_view kNames[] = {"the name",
                                           "the maker",
                                           "the composition",
                                           "the initial permeability",
                                           "the saturation",
                                           "the column of Steinmetz ranges",
                                           "the Curie temperature",
                                           "the column of permeability factors",
                                           "the column of loss formulas"};
    return NamedColumn(kNames, index);
}

std::string WireColumn(std::size_t index) {
    constexpr std::string_view kNames[] = {"the name", "the grade", "the conductor diameter",
                                           "the outer diameter"};
    return NamedColumn(kNames, index);
}

// Hands each entry read to `visit` in the order of the file.
template <typename ReadLine, typename Visit>
void ForEachLine(std::string_view text, std::string_view source, Messages& messages,
                 ColumnName columnName, ReadLine readLine, Visit visit) {
    // A mark that an editor wrote before the first line; anywhere else it
    // would be an invisible part of a name or a number.
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    Columns columns;  // reused, so that a line costs no allocation of its own
    int number = 0;
    ForEachPart(text, '\n', [&](std::string_view line) {
        ++number;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (Trimmed(line).empty() || line.starts_with('#')) {
            return;
        }
        columns.clear();
        ForEachPart(line, '\t',
                    [&](std::string_view column) { columns.push_back(Trimmed(column)); });
        try {
            if (columns[0].empty()) {
                throw BadLine{"the name is empty"};
            }
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (std::string problem = TextProblem(columns[i], columnName(i));
                    !problem.empty()) {
                    throw BadLine{std::move(problem)};
                }
            }
            // The line that writes such a name back would read as a comment.
            if (columns[0].starts_with('#')) {
                throw BadLine{"the name starts with '#', which marks a comment line"};
            }
            visit(readLine(columns));
        } catch (const BadLine& bad) {
            messages.push_back(std::string(source) + ":" + std::to_string(number) + ": " +
                               bad.what);
        }
    });
}

template <typename Entry, typename ReadLine>
std::vector<Entry> ReadLines(std::string_view text, std::string_view source, Messages& messages,
                             ColumnName columnName, ReadLine readLine) {
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    ForEachLine(text, source, messages, columnName, readLine,
                [&entries](Entry&& entry) { entries.push_back(std::move(entry)); });
    return entries;
}

CoreFamily KindOf(std::string_view name) {
    if (const std::optional<CoreFamily> family = FamilyOfKey(name)) {
        return *family;
    }
    std::string keys;
    for (const FamilyInfo& info : kCoreFamilies) {
        keys += std::string(keys.empty()                     ? ""
                            : &info == &kCoreFamilies.back() ? " or "
                                                             : ", ") +
                std::string(info.key);
    }
    throw BadLine{"unknown kind " + Quoted(name) + " (" + keys + ")"};
}

std::string Listed(std::span<const std::string_view> letters) {
    std::string text;
    for (std::string_view letter : letters) {
        text += (text.empty() ? "" : ", ") + std::string(letter);
    }
    return text;
}

// A dimension's letter: an ASCII letter, then at most two letters or digits
// (A, F, R1).
bool IsLetter(std::string_view letter) {
    const auto alphanumeric = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    };
    return !letter.empty() && letter.size() <= 3 && !(letter[0] >= '0' && letter[0] <= '9') &&
           std::all_of(letter.begin(), letter.end(), alphanumeric);
}

// The corner radii that the halves of a cut core give besides the letters
// its geometry reads; a ring has none.
constexpr std::string_view kCornerLetters[] = {"R1", "R2"};

std::span<const std::string_view> CornerLetters(CoreKind kind) {
    return CoreShape::IsCut(kind) ? kCornerLetters : std::span<const std::string_view>();
}

// The letters a core of the kind may give, in alphabetical order.
std::span<const std::string_view> KindLetters(CoreKind kind) {
    static const auto letters = [] {
        std::array<std::vector<std::string_view>, kCoreKinds.size()> all;
        for (const CoreKindInfo& info : kCoreKinds) {
            std::vector<std::string_view>& of = all[static_cast<std::size_t>(info.kind)];
            for (const auto& list :
                 {CoreShape::RequiredLetters(info.kind), CoreShape::RefiningLetters(info.kind),
                  CornerLetters(info.kind)}) {
                of.insert(of.end(), list.begin(), list.end());
            }
            // A П core's E is both read and refining.
            std::sort(of.begin(), of.end());
            of.erase(std::unique(of.begin(), of.end()), of.end());
        }
        return all;
    }();
    return letters[static_cast<std::size_t>(kind)];
}

bool Holds(std::span<const std::string_view> letters, std::string_view letter) {
    return std::find(letters.begin(), letters.end(), letter) != letters.end();
}

// The letters of each family beyond the classic three, as the public data
// gives them: those a core of the family needs, then those some cores add
// (a centre hole, a corner radius, a slot, the offset of the centre leg).
struct FamilyLetters {
    CoreFamily family;
    std::vector<std::string_view> required;
    std::vector<std::string_view> optional;
};

const std::vector<FamilyLetters>& FamilyLetterTable() {
    static const std::vector<FamilyLetters> table = {
        {CoreFamily::Etd, {"A", "B", "C", "D", "E", "F"}, {}},
        {CoreFamily::Er, {"A", "B", "C", "D", "E", "F"}, {"G"}},
        {CoreFamily::Ec, {"A", "B", "C", "D", "E", "F"}, {"T", "r", "s"}},
        {CoreFamily::Efd, {"A", "B", "C", "D", "E", "F", "F2"}, {"K", "q"}},
        {CoreFamily::Eq, {"A", "B", "C", "D", "E", "F", "G"}, {}},
        {CoreFamily::Lp, {"A", "B", "C", "D", "E", "F", "G"}, {}},
        {CoreFamily::PlanarE, {"A", "B", "C", "D", "E", "F"}, {}},
        {CoreFamily::PlanarEr, {"A", "B", "C", "D", "E", "F"}, {"G"}},
        {CoreFamily::PlanarEl, {"A", "B", "C", "D", "E", "F", "F2"}, {"R"}},
        {CoreFamily::Rm, {"A", "B", "C", "D", "E", "F", "G", "J"}, {"H", "R"}},
        {CoreFamily::Pot, {"A", "B", "D", "E", "F", "G"}, {"C", "H", "M", "N", "r1"}},
        {CoreFamily::Pm, {"A", "B", "C", "D", "E", "F", "G", "H"}, {"alpha", "b", "e", "t"}},
        {CoreFamily::Pq, {"A", "B", "C", "D", "E", "F"}, {"G", "J", "L"}},
        {CoreFamily::Pqi, {"A", "B", "B2", "C", "D", "E", "F", "G", "J", "L"}, {}},
        {CoreFamily::Ep, {"A", "B", "C", "D", "E", "F", "K"}, {"G"}},
        {CoreFamily::Epx, {"A", "B", "C", "D", "E", "F", "K"}, {"G"}},
        {CoreFamily::Ur, {"A", "B", "C", "D", "E", "H"}, {"F", "G", "S"}},
        {CoreFamily::Ui, {"A", "B", "B2", "C", "D", "E"}, {"H"}},
        {CoreFamily::Ut, {"A", "B", "C", "D", "E", "F"}, {}},
        {CoreFamily::C, {"A", "B", "C", "D", "E"}, {}},
    };
    return table;
}

const FamilyLetters& LettersOfFamily(CoreFamily family) {
    const std::vector<FamilyLetters>& table = FamilyLetterTable();
    return *std::find_if(table.begin(), table.end(),
                         [&](const FamilyLetters& row) { return row.family == family; });
}

// The letters a core of the family may give, in alphabetical order.
std::span<const std::string_view> AllowedLetters(CoreFamily family) {
    if (const std::optional<CoreKind> kind = ClassicKindOf(family)) {
        return KindLetters(*kind);
    }
    static const auto letters = [] {
        std::array<std::vector<std::string_view>, kCoreFamilies.size()> all;
        for (const FamilyLetters& row : FamilyLetterTable()) {
            std::vector<std::string_view>& of = all[static_cast<std::size_t>(row.family)];
            of = row.required;
            of.insert(of.end(), row.optional.begin(), row.optional.end());
            std::sort(of.begin(), of.end());
        }
        return all;
    }();
    return letters[static_cast<std::size_t>(family)];
}

std::span<const std::string_view> RequiredLetters(CoreFamily family) {
    if (const std::optional<CoreKind> kind = ClassicKindOf(family)) {
        return CoreShape::RequiredLetters(*kind);
    }
    return LettersOfFamily(family).required;
}

// The bounds of a letter and their unit: a corner radius may be 0, an offset
// below 0, an angle is in degrees.
std::pair<const Bounds&, std::string_view> LetterBounds(CoreFamily family,
                                                        std::string_view letter) {
    if (const std::optional<CoreKind> kind = ClassicKindOf(family)) {
        return {Holds(CornerLetters(*kind), letter) ? kCornerRadiusMm : kDimensionMm, " mm"};
    }
    if (letter == "alpha") {
        return {kAngleDegrees, " degrees"};
    }
    if (letter == "K") {
        return {kOffsetMm, " mm"};
    }
    constexpr std::string_view kRadii[] = {"R", "q", "r", "r1"};
    return {Holds(kRadii, letter) ? kCornerRadiusMm : kDimensionMm, " mm"};
}

// A core of a family beyond the classic three leaves a window for its
// winding: narrower than the core, lower than its half, and wider than a
// centre leg inside it (the U-like families have none: their F is no leg).
std::optional<std::string> FamilyWindowFault(const Core& core) {
    const auto below = [&](std::string_view small, std::string_view large) {
        const std::optional<double> a = core.Millimetres(small);
        const std::optional<double> b = core.Millimetres(large);
        return !a || !b || *a < *b;
    };
    if (!below("E", "A")) {
        return "the window width E must be smaller than the overall width A";
    }
    if (!below("D", "B")) {
        return "the window height D must be smaller than the height B of one half";
    }
    if (InfoOf(core.Family()).group != FamilyGroup::UAndC && !below("F", "E")) {
        return "the centre leg F must be narrower than the window width E";
    }
    return std::nullopt;
}

// The columns beside the letters: alias=NAME (any number), subtype=TEXT and
// bobbin=BREADTH,HEIGHT (mm, any number). Their keys are longer than any
// letter. False for a column of a letter.
bool ReadNamedColumn(std::string_view column, Core& core) {
    const std::size_t equals = column.find('=');
    const std::string_view key = column.substr(0, std::min(equals, column.size()));
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view() : Trimmed(column.substr(equals + 1));
    if (key == "alias" || key == "subtype") {
        if (value.empty()) {
            throw BadLine{Quoted(column) + " names no " + std::string(key)};
        }
        if (key == "alias") {
            core.aliases.emplace_back(value);
        } else if (!core.subtype.empty()) {
            throw BadLine{"the subtype is given twice"};
        } else {
            core.subtype = value;
        }
        return true;
    }
    if (key != "bobbin") {
        return false;
    }
    const std::size_t comma = value.find(',');
    const std::optional<double> breadth =
        comma == std::string_view::npos ? std::nullopt : Number(value.substr(0, comma));
    const std::optional<double> height =
        comma == std::string_view::npos ? std::nullopt : Number(value.substr(comma + 1));
    if (!breadth || !height) {
        throw BadLine{Quoted(column) + " is not bobbin=BREADTH,HEIGHT"};
    }
    if (!kDimensionMm.Hold(*breadth) || !kDimensionMm.Hold(*height)) {
        throw BadLine{"the bobbin " + Quoted(column) + " is not within " +
                      BoundsText(kDimensionMm, " mm")};
    }
    core.bobbins.push_back({*breadth, *height});
    return true;
}

// A bobbin fits the bare window around a centre leg: (E - F)/2 by 2*D.
void CheckBobbins(const Core& core) {
    const std::optional<double> d = core.Millimetres("D");
    const std::optional<double> e = core.Millimetres("E");
    const std::optional<double> f = core.Millimetres("F");
    const FamilyGroup group = InfoOf(core.Family()).group;
    if (!d || !e || !f || group == FamilyGroup::Ring || group == FamilyGroup::U ||
        group == FamilyGroup::UAndC) {
        return;
    }
    for (const BobbinWindow& bobbin : core.bobbins) {
        if (bobbin.breadth > (*e - *f) / 2 || bobbin.height > 2 * *d) {
            throw BadLine{"the bobbin " + NumberText(bobbin.breadth) + "," +
                          NumberText(bobbin.height) +
                          " is larger than the core's window ((E-F)/2 by 2*D)"};
        }
    }
}

Core ReadCore(const Columns& columns) {
    if (columns.size() < 3) {
        throw BadLine{"expected a name, a kind and dimensions, separated by tabs"};
    }
    Core core{std::string(columns[0]), CoreKind::Ring, {}};
    const CoreFamily family = KindOf(columns[1]);
    if (const std::optional<CoreKind> kind = ClassicKindOf(family)) {
        core.kind = *kind;
    } else {
        core.otherFamily = family;
    }
    core.dimensions.reserve(columns.size() - 2);
    const std::span<const std::string_view> letters = AllowedLetters(family);
    for (std::size_t i = 2; i < columns.size(); ++i) {
        if (ReadNamedColumn(columns[i], core)) {
            continue;
        }
        const std::size_t equals = columns[i].find('=');
        const std::string_view letter = columns[i].substr(0, std::min(equals, columns[i].size()));
        const std::optional<double> value = Number(
            equals == std::string_view::npos ? std::string_view() : columns[i].substr(equals + 1));
        if (!(IsLetter(letter) || Holds(letters, letter)) || !value) {
            throw BadLine{Quoted(columns[i]) + " is not LETTER=millimetres"};
        }
        if (!Holds(letters, letter)) {
            throw BadLine{"the dimension " + std::string(letter) + " is not one of kind " +
                          std::string(columns[1]) + " (" + Listed(letters) + ")"};
        }
        if (core.Millimetres(letter)) {
            throw BadLine{"the dimension " + std::string(letter) + " is given twice"};
        }
        const auto [bounds, unit] = LetterBounds(family, letter);
        if (!bounds.Hold(*value)) {
            throw BadLine{"the dimension " + Quoted(columns[i]) + " is not within " +
                          BoundsText(bounds, unit)};
        }
        core.dimensions.push_back({std::string(letter), *value});
    }
    const std::span<const std::string_view> required = RequiredLetters(family);
    for (std::string_view letter : required) {
        if (!core.Millimetres(letter)) {
            throw BadLine{"the dimension " + std::string(letter) + " is missing (a core of kind " +
                          std::string(columns[1]) + " needs " + Listed(required) + ")"};
        }
    }
    // A core must leave room for its winding, judged on the dimensions its
    // fields take.
    if (core.IsClassic()) {
        if (const std::optional<std::string_view> fault =
                CoreShape::OfLetters(LettersOf(core)).WindowFault()) {
            throw BadLine{std::string(*fault)};
        }
    } else if (std::optional<std::string> fault = FamilyWindowFault(core)) {
        throw BadLine{std::move(*fault)};
    } else if (const std::optional<std::string_view> shapeFault =
                   FamilyShapeFault(FamilyCoreOf(core))) {
        // Every core the catalogue takes has the geometry the checks read.
        throw BadLine{std::string(*shapeFault)};
    }
    CheckBobbins(core);
    return core;
}

std::vector<SaturationPoint> ReadSaturation(std::string_view column) {
    std::vector<SaturationPoint> points;
    for (std::string_view word : Words(column)) {
        const std::size_t colon = word.find(':');
        const std::optional<double> temperature =
            colon == std::string_view::npos ? std::nullopt : Number(word.substr(0, colon));
        const std::optional<double> flux =
            colon == std::string_view::npos ? std::nullopt : Number(word.substr(colon + 1));
        if (!temperature || !flux) {
            throw BadLine{Quoted(word) + " is not CELSIUS:TESLA"};
        }
        if (!kSaturationC.Hold(*temperature)) {
            throw BadLine{"the saturation temperature in " + Quoted(word) + " is not within " +
                          BoundsText(kSaturationC, " C")};
        }
        if (!(*flux > 0)) {
            throw BadLine{"the saturation flux density in " + Quoted(word) + " is not above 0 T"};
        }
        if (*flux > kMaxSaturationT) {
            throw BadLine{"the saturation flux density in " + Quoted(word) + " is above " +
                          NumberText(kMaxSaturationT) + " T"};
        }
        for (const SaturationPoint& point : points) {
            if (point.temperature == *temperature) {
                throw BadLine{"the saturation at " + NumberText(*temperature) +
                              " C is given twice"};
            }
        }
        points.push_back({*temperature, *flux});
    }
    std::sort(points.begin(), points.end(), [](const SaturationPoint& a, const SaturationPoint& b) {
        return a.temperature < b.temperature;
    });
    return points;
}

// A range of a real material: its frequencies in order and within the
// bounds, its factors within those of the public data.
void CheckSteinmetz(const SteinmetzRange& range, std::string_view word) {
    const auto bad = [&](std::string_view factor, const std::string& why) {
        return BadLine{"the Steinmetz " + std::string(factor) + " in " + Quoted(word) + " " + why};
    };
    if (!(range.minimumFrequency > 0)) {
        throw bad("f_min", "is not above 0 Hz");
    }
    if (!(range.maximumFrequency > range.minimumFrequency)) {
        throw bad("f_max", "is not above its f_min");
    }
    if (range.maximumFrequency > kMaxFrequencyHz) {
        throw bad("f_max", "is above " + NumberText(kMaxFrequencyHz) + " Hz");
    }
    const std::pair<std::string_view, const Bounds&> factors[] = {
        {"k", kSteinmetzK}, {"alpha", kAlpha}, {"beta", kBeta}};
    const double values[] = {range.k, range.alpha, range.beta};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        if (!factors[i].second.Hold(values[i])) {
            throw bad(factors[i].first, "is not within " + BoundsText(factors[i].second, ""));
        }
    }
    if (range.hasTemperatureFactor) {
        const double ct[] = {range.ct0, range.ct1, range.ct2};
        for (std::size_t i = 0; i < std::size(ct); ++i) {
            const double largest = kMaxTemperatureFactors[i];
            if (!(std::abs(ct[i]) <= largest)) {
                throw bad("ct" + std::to_string(i),
                          "is not within " + BoundsText({-largest, largest}, ""));
            }
        }
    }
}

std::vector<SteinmetzRange> ReadSteinmetz(std::string_view column) {
    std::vector<SteinmetzRange> ranges;
    for (std::string_view word : Words(column)) {
        std::vector<double> values;
        std::size_t parts = 0;
        ForEachPart(word, ',', [&](std::string_view part) {
            ++parts;
            if (const std::optional<double> value = Number(part)) {
                values.push_back(*value);
            }
        });
        if (values.size() != parts || (parts != 5 && parts != 8)) {
            throw BadLine{Quoted(word) +
                          " is not f_min,f_max,k,alpha,beta or f_min,f_max,k,alpha,beta,ct0,ct1,"
                          "ct2"};
        }
        SteinmetzRange range{values[0], values[1], values[2], values[3], values[4]};
        if (parts == 8) {
            range.hasTemperatureFactor = true;
            range.ct0 = values[5];
            range.ct1 = values[6];
            range.ct2 = values[7];
        }
        CheckSteinmetz(range, word);
        ranges.push_back(range);
    }
    std::sort(ranges.begin(), ranges.end(), [](const SteinmetzRange& a, const SteinmetzRange& b) {
        return a.minimumFrequency < b.minimumFrequency;
    });
    return ranges;
}

// The families whose cores carry their own coefficients.
constexpr std::string_view kFamilies[] = {"default", "E/ER/U", "EQ/LP"};

struct MethodName {
    PowderMethod method;
    std::string_view name;
};
constexpr MethodName kMethods[] = {{PowderMethod::Magnetics, "magnetics"},
                                   {PowderMethod::Micrometals, "micrometals"},
                                   {PowderMethod::FairRite, "fair-rite"}};

std::string_view FamilyOf(std::string_view name) {
    for (std::string_view family : kFamilies) {
        if (name == family) {
            return family;
        }
    }
    throw BadLine{"unknown core family " + Quoted(name) + " (default, E/ER/U or EQ/LP)"};
}

// The coefficients after '=', all of them numbers.
std::vector<double> Coefficients(std::string_view text, std::string_view word) {
    std::vector<double> values;
    bool numbers = true;
    ForEachPart(text, ',', [&](std::string_view part) {
        const std::optional<double> value = Number(part);
        numbers = numbers && value.has_value();
        values.push_back(value.value_or(0));
    });
    if (!numbers) {
        throw BadLine{"the coefficients in " + Quoted(word) + " are not numbers"};
    }
    return values;
}

// How many coefficients each factor of each method takes; 0 where the
// method has no such factor. Micrometals' temperature factor is either one
// linear slope or a ratio of two quadratics.
struct FactorShape {
    std::string_view name;
    std::vector<double> PermeabilityModifiers::*member;
    std::size_t counts[3][2];  // per method: the allowed counts
};
const FactorShape kFactors[] = {
    {"bias", &PermeabilityModifiers::bias, {{3, 3}, {4, 4}, {0, 0}}},
    {"frequency", &PermeabilityModifiers::frequency, {{5, 5}, {4, 4}, {0, 0}}},
    {"flux", &PermeabilityModifiers::flux, {{0, 0}, {6, 6}, {0, 0}}},
    {"temperature", &PermeabilityModifiers::temperature, {{5, 5}, {1, 5}, {1, 1}}},
};

std::string CountsText(const std::size_t (&counts)[2]) {
    return std::to_string(counts[0]) +
           (counts[1] == counts[0] ? "" : " or " + std::to_string(counts[1]));
}

// A word FAMILY:METHOD:FACTOR=a,b,... into the modifiers of its family.
void ReadModifier(std::string_view word, std::vector<PermeabilityModifiers>& modifiers) {
    const std::size_t first = word.find(':');
    const std::size_t second = first == std::string_view::npos ? first : word.find(':', first + 1);
    const std::size_t equals = second == std::string_view::npos ? second : word.find('=', second);
    if (equals == std::string_view::npos) {
        throw BadLine{Quoted(word) + " is not FAMILY:METHOD:FACTOR=a,b,..."};
    }
    const std::string_view family = FamilyOf(word.substr(0, first));
    const std::string_view methodName = word.substr(first + 1, second - first - 1);
    const MethodName* method =
        std::find_if(std::begin(kMethods), std::end(kMethods),
                     [&](const MethodName& m) { return m.name == methodName; });
    if (method == std::end(kMethods)) {
        throw BadLine{"unknown permeability method " + Quoted(methodName) +
                      " (magnetics, micrometals or fair-rite)"};
    }
    const std::string_view factorName = word.substr(second + 1, equals - second - 1);
    const auto index = static_cast<std::size_t>(method - std::begin(kMethods));
    const FactorShape* factor = std::find_if(
        std::begin(kFactors), std::end(kFactors),
        [&](const FactorShape& f) { return f.name == factorName && f.counts[index][0] > 0; });
    if (factor == std::end(kFactors)) {
        throw BadLine{"the " + std::string(method->name) + " method has no factor " +
                      Quoted(factorName)};
    }
    const std::vector<double> values = Coefficients(word.substr(equals + 1), word);
    if (values.size() != factor->counts[index][0] && values.size() != factor->counts[index][1]) {
        throw BadLine{"the " + std::string(factor->name) + " factor in " + Quoted(word) +
                      " needs " + CountsText(factor->counts[index]) + " coefficients"};
    }
    if (!std::all_of(values.begin(), values.end(),
                     [](double v) { return std::abs(v) <= kMaxModifierCoefficient; })) {
        throw BadLine{"the coefficients in " + Quoted(word) + " are not within " +
                      BoundsText({-kMaxModifierCoefficient, kMaxModifierCoefficient}, "")};
    }
    // The bias factors divide by a at no field: a zero or negative a leaves
    // no permeability.
    if (factor->member == &PermeabilityModifiers::bias && !(values[0] > 0)) {
        throw BadLine{"the bias factor in " + Quoted(word) + " needs a above 0"};
    }
    auto set = std::find_if(modifiers.begin(), modifiers.end(),
                            [&](const PermeabilityModifiers& m) { return m.family == family; });
    if (set == modifiers.end()) {
        modifiers.push_back({std::string(family), method->method, {}, {}, {}, {}});
        set = modifiers.end() - 1;
    } else if (set->method != method->method) {
        throw BadLine{"the family " + std::string(family) + " has modifiers of two methods"};
    }
    if (!((*set).*(factor->member)).empty()) {
        throw BadLine{"the " + std::string(family) + " " + std::string(factor->name) +
                      " factor is given twice"};
    }
    (*set).*(factor->member) = values;
}

std::vector<PermeabilityModifiers> ReadModifiers(std::string_view column) {
    std::vector<PermeabilityModifiers> modifiers;
    for (std::string_view word : Words(column)) {
        ReadModifier(word, modifiers);
    }
    return modifiers;
}

// A loss formula of a real powder. Magnetics a·B^b·f^c: a, b and c within
// their bounds. Micrometals: each of a, b, c and d 0 or within its bounds.
void CheckLossFormula(const LossFormula& formula, std::string_view method, std::string_view word) {
    constexpr std::string_view kNames[] = {"a", "b", "c", "d"};
    const std::vector<double>& values = formula.coefficients;
    const auto bad = [&](std::size_t i, const std::string& why) {
        return BadLine{"the " + std::string(method) + " loss formula's " + std::string(kNames[i]) +
                       " in " + Quoted(word) + " " + why};
    };
    if (formula.method == PowderMethod::Magnetics) {
        const Bounds* bounds[] = {&kMagneticsLossA, &kBeta, &kAlpha};
        for (std::size_t i = 0; i < std::size(bounds); ++i) {
            if (!bounds[i]->Hold(values[i])) {
                throw bad(i, "is not within " + BoundsText(*bounds[i], ""));
            }
        }
        return;
    }
    for (std::size_t i = 0; i < std::size(kMicrometalsLoss); ++i) {
        if (values[i] != 0 && !kMicrometalsLoss[i].Hold(values[i])) {
            throw bad(i, "is neither 0 nor within " + BoundsText(kMicrometalsLoss[i], ""));
        }
    }
}

// Words FAMILY:METHOD=a,b,...: magnetics a·B^b·f^c with a above 0,
// micrometals with a, b, c and d not below 0 and one of a, b, c above 0;
// every coefficient within what real powders have.
std::vector<LossFormula> ReadLossFormulas(std::string_view column) {
    std::vector<LossFormula> formulas;
    for (std::string_view word : Words(column)) {
        const std::size_t colon = word.find(':');
        const std::size_t equals = colon == std::string_view::npos ? colon : word.find('=', colon);
        if (equals == std::string_view::npos) {
            throw BadLine{Quoted(word) + " is not FAMILY:METHOD=a,b,..."};
        }
        const std::string_view family = FamilyOf(word.substr(0, colon));
        const std::string_view method = word.substr(colon + 1, equals - colon - 1);
        const std::vector<double> values = Coefficients(word.substr(equals + 1), word);
        LossFormula formula{std::string(family), PowderMethod::Magnetics, values};
        if (method == "magnetics") {
            if (values.size() != 3 || !(values[0] > 0)) {
                throw BadLine{"the magnetics loss formula in " + Quoted(word) +
                              " needs 3 coefficients, a above 0"};
            }
        } else if (method == "micrometals") {
            formula.method = PowderMethod::Micrometals;
            if (values.size() != 4 ||
                !std::all_of(values.begin(), values.end(), [](double v) { return v >= 0; }) ||
                !(values[0] + values[1] + values[2] > 0)) {
                throw BadLine{"the micrometals loss formula in " + Quoted(word) +
                              " needs 4 coefficients, none below 0 and a, b or c above 0"};
            }
        } else {
            throw BadLine{"unknown loss method " + Quoted(method) + " (magnetics or micrometals)"};
        }
        CheckLossFormula(formula, method, word);
        for (const LossFormula& other : formulas) {
            if (other.family == family) {
                throw BadLine{"the " + std::string(family) + " loss formula is given twice"};
            }
        }
        formulas.push_back(std::move(formula));
    }
    return formulas;
}

// The Curie temperature, where given: saturation data above it would
// describe a core that is no longer magnetic.
std::optional<double> ReadCurie(std::string_view column,
                                const std::vector<SaturationPoint>& saturation) {
    if (column.empty()) {
        return std::nullopt;
    }
    const double curie = BoundedNumber(column, "the Curie temperature", kCurieC, " C");
    if (!saturation.empty() && curie < saturation.back().temperature) {
        throw BadLine{"the Curie temperature " + Quoted(column) +
                      " is below a saturation point's temperature"};
    }
    return curie;
}

Material ReadMaterial(const Columns& columns) {
    if (columns.size() < 4 || columns.size() > 9) {
        throw BadLine{
            "expected a name, maker, composition, initial permeability and optionally "
            "saturation, Steinmetz ranges, Curie temperature, permeability modifiers and loss "
            "formulas, separated by tabs"};
    }
    Material material;
    material.name = columns[0];
    material.maker = columns[1];
    material.composition = columns[2];
    material.initialPermeability =
        BoundedNumber(columns[3], "the initial permeability", kPermeability);
    if (columns.size() > 4) {
        material.saturation = ReadSaturation(columns[4]);
    }
    if (columns.size() > 5) {
        material.steinmetz = ReadSteinmetz(columns[5]);
    }
    if (columns.size() > 6) {
        material.curieTemperature = ReadCurie(columns[6], material.saturation);
    }
    if (columns.size() > 7) {
        material.modifiers = ReadModifiers(columns[7]);
    }
    if (columns.size() > 8) {
        material.lossFormulas = ReadLossFormulas(columns[8]);
    }
    return material;
}

Wire ReadWire(const Columns& columns) {
    if (columns.size() != 4) {
        throw BadLine{"expected a name, grade, conductor and outer diameter, separated by tabs"};
    }
    int grade = -1;
    const auto [end, error] =
        std::from_chars(columns[1].data(), columns[1].data() + columns[1].size(), grade);
    if (error != std::errc() || end != columns[1].data() + columns[1].size() || grade < 0) {
        throw BadLine{"the grade " + Quoted(columns[1]) + " is not a whole number"};
    }
    const Wire wire{std::string(columns[0]), grade,
                    BoundedNumber(columns[2], "the conductor diameter", kWireDiameterMm, " mm"),
                    BoundedNumber(columns[3], "the outer diameter", kWireDiameterMm, " mm")};
    if (wire.conductorDiameter >= wire.outerDiameter) {
        throw BadLine{"the conductor diameter must be smaller than the outer diameter"};
    }
    return wire;
}

}  // namespace

std::vector<Core> ReadCores(std::string_view text, std::string_view source, Messages& messages) {
    return ReadLines<Core>(text, source, messages, CoreColumn, ReadCore);
}

void ForEachCore(std::string_view text, std::string_view source, Messages& messages,
                 const std::function<void(Core&&)>& visit) {
    ForEachLine(text, source, messages, CoreColumn, ReadCore, visit);
}

std::vector<Material> ReadMaterials(std::string_view text, std::string_view source,
                                    Messages& messages) {
    return ReadLines<Material>(text, source, messages, MaterialColumn, ReadMaterial);
}

std::vector<Wire> ReadWires(std::string_view text, std::string_view source, Messages& messages) {
    return ReadLines<Wire>(text, source, messages, WireColumn, ReadWire);
}

std::string_view MethodText(PowderMethod method) {
    for (const MethodName& entry : kMethods) {
        if (entry.method == method) {
            return entry.name;
        }
    }
    return {};
}

std::string CoreLine(const Core& core) {
    std::string line =
        core.name + "\t" +
        std::string(core.IsClassic() ? InfoOf(core.kind).cliName : InfoOf(core.Family()).key);
    for (const Dimension& dimension : core.dimensions) {
        line += "\t" + dimension.letter + "=" + NumberText(dimension.millimetres);
    }
    if (!core.subtype.empty()) {
        line += "\tsubtype=" + core.subtype;
    }
    for (const std::string& alias : core.aliases) {
        line += "\talias=" + alias;
    }
    for (const BobbinWindow& bobbin : core.bobbins) {
        line += "\tbobbin=" + NumberText(bobbin.breadth) + "," + NumberText(bobbin.height);
    }
    return line;
}

std::string MaterialLine(const Material& material) {
    std::string line = material.name + "\t" + material.maker + "\t" + material.composition + "\t" +
                       NumberText(material.initialPermeability) + "\t";
    for (const SaturationPoint& point : material.saturation) {
        line += (&point == &material.saturation.front() ? "" : " ") +
                NumberText(point.temperature) + ":" + NumberText(point.fluxDensity);
    }
    line += "\t";
    for (const SteinmetzRange& range : material.steinmetz) {
        std::vector<double> values = {range.minimumFrequency, range.maximumFrequency, range.k,
                                      range.alpha, range.beta};
        if (range.hasTemperatureFactor) {
            values.insert(values.end(), {range.ct0, range.ct1, range.ct2});
        }
        line += &range == &material.steinmetz.front() ? "" : " ";
        for (std::size_t i = 0; i < values.size(); ++i) {
            line += (i == 0 ? "" : ",") + NumberText(values[i]);
        }
    }
    // A material without the newer data keeps the older six columns.
    if (!material.curieTemperature && material.modifiers.empty() && material.lossFormulas.empty()) {
        return line;
    }
    line += "\t" + (material.curieTemperature ? NumberText(*material.curieTemperature) : "") + "\t";
    const auto numbers = [](const std::vector<double>& values) {
        std::string text;
        for (double value : values) {
            text += (text.empty() ? "" : ",") + NumberText(value);
        }
        return text;
    };
    std::string words;
    for (const PermeabilityModifiers& set : material.modifiers) {
        for (const FactorShape& factor : kFactors) {
            if (!(set.*(factor.member)).empty()) {
                words += (words.empty() ? "" : " ") + set.family + ":" +
                         std::string(MethodText(set.method)) + ":" + std::string(factor.name) +
                         "=" + numbers(set.*(factor.member));
            }
        }
    }
    line += words + "\t";
    for (const LossFormula& formula : material.lossFormulas) {
        line += (&formula == &material.lossFormulas.front() ? "" : " ") + formula.family + ":" +
                std::string(MethodText(formula.method)) + "=" + numbers(formula.coefficients);
    }
    return line;
}

std::string WireLine(const Wire& wire) {
    return wire.name + "\t" + std::to_string(wire.grade) + "\t" +
           NumberText(wire.conductorDiameter) + "\t" + NumberText(wire.outerDiameter);
}

}  // namespace transcalc::catalogue
