#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "Language.h"

namespace transcalc {

// The four work modes. The design state holds the mode as its text, which the
// state file keeps; an unknown text is kept as it is and designs nothing.
enum class WorkMode { Choke, Flyback, SingleEnded, PushPull };

struct ModeInfo {
    WorkMode mode;
    std::string_view text;      // the mode text shown and compared
    std::string_view cliName;   // transcalc-cli --mode
    std::string_view menuItem;  // the item of the "Режим" menu
    // The caption of the frequency or pulse field; the choke has none.
    std::string_view timingCaption;
    // The mode text and the caption in English, shown but never compared
    // nor kept.
    std::string_view englishText;
    std::string_view englishTimingCaption;
};

inline constexpr std::array<ModeInfo, 4> kModes = {{
    {WorkMode::Choke, "Дроссель", "choke", "N3", "", "Choke", ""},
    {WorkMode::Flyback, "Обратноходовой", "flyback", "N4", "Длительность импульса МкСек", "Flyback",
     "Pulse duration, µs"},
    {WorkMode::SingleEnded, "Однотактный", "single-ended", "N6", "Частота КГц",
     "Single-ended forward", "Frequency, kHz"},
    {WorkMode::PushPull, "Двухтактный", "push-pull", "N7", "Частота КГц", "Push-pull forward",
     "Frequency, kHz"},
}};

constexpr const ModeInfo& InfoOf(WorkMode mode) {
    return kModes[static_cast<int>(mode)];
}
constexpr std::string_view ModeText(WorkMode mode) {
    return InfoOf(mode).text;
}

inline constexpr std::string_view kModeChoke = ModeText(WorkMode::Choke);
inline constexpr std::string_view kModeFlyback = ModeText(WorkMode::Flyback);
inline constexpr std::string_view kModeSingleEnded = ModeText(WorkMode::SingleEnded);
inline constexpr std::string_view kModePushPull = ModeText(WorkMode::PushPull);

// The mode a text names, compared as a whole text.
constexpr std::optional<WorkMode> ModeOfText(std::string_view text) {
    for (const ModeInfo& info : kModes) {
        if (info.text == text) {
            return info.mode;
        }
    }
    return std::nullopt;
}

// A mode text as shown in the language: a mode's own text in English, any
// other text as it is.
constexpr std::string_view ModeTextIn(std::string_view text, Language language) {
    const std::optional<WorkMode> mode = ModeOfText(text);
    return mode && language == Language::English ? InfoOf(*mode).englishText : text;
}

constexpr std::string_view TimingCaption(WorkMode mode, Language language = Language::Russian) {
    return language == Language::English ? InfoOf(mode).englishTimingCaption
                                         : InfoOf(mode).timingCaption;
}

// The three core kinds, each shown by its own picture.
enum class CoreKind { Ring, ShapedE, ShapedU };

struct CoreKindInfo {
    CoreKind kind;
    std::string_view cliName;   // transcalc-cli --core
    std::string_view menuItem;  // the item of the "Вид сердечника" menu
    std::string_view picture;   // the picture button that shows the core
    std::string_view drawing;   // the file name of the core's drawing, without ".svg"
    std::string_view heading;   // the core's line in the results list
    // The captions of the dimension fields, Edit1 on; a ring has three.
    std::array<std::string_view, 4> dimensions;
    int dimensionCount;
    std::string_view englishHeading;
    // The core named after a count in Russian (1, 2..4, 5..20: "кольцо",
    // "кольца", "колец") and in English, singular.
    std::array<std::string_view, 3> countedNoun;
    std::string_view englishNoun;
};

inline constexpr std::array<CoreKindInfo, 3> kCoreKinds = {{
    {CoreKind::Ring,
     "ring",
     "N1",
     "BitBtn2",
     "ring",
     "Магнитопровод кольцо",
     {"D1", "D2", "H", ""},
     3,
     "Ring core",
     {"кольцо", "кольца", "колец"},
     "ring"},
    {CoreKind::ShapedE,
     "e",
     "N2",
     "BitBtn3",
     "e-core",
     "Магнитопровод Ш образный",
     {"H1", "H2", "L1", "L2"},
     4,
     "E core",
     {"Ш-сердечник", "Ш-сердечника", "Ш-сердечников"},
     "E core"},
    {CoreKind::ShapedU,
     "u",
     "N11",
     "BitBtn4",
     "u-core",
     "Магнитопровод П образный",
     {"H1", "H2", "L1", "L2"},
     4,
     "U core",
     {"П-сердечник", "П-сердечника", "П-сердечников"},
     "U core"},
}};

constexpr const CoreKindInfo& InfoOf(CoreKind kind) {
    return kCoreKinds[static_cast<int>(kind)];
}

constexpr bool CoreKindsInOrder() {
    for (std::size_t i = 0; i < kCoreKinds.size(); ++i) {
        if (static_cast<std::size_t>(kCoreKinds[i].kind) != i) {
            return false;
        }
    }
    return true;
}
static_assert(CoreKindsInOrder(), "kCoreKinds holds a row per core kind, in the enum's order");

// The core's line in the results list, in the language.
constexpr std::string_view CoreHeading(CoreKind kind, Language language = Language::Russian) {
    return language == Language::English ? InfoOf(kind).englishHeading : InfoOf(kind).heading;
}

}  // namespace transcalc
