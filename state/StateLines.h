#pragma once

#include <array>

#include <QString>

#include "WindowState.h"

namespace transcalc {

// What a line of the state file holds and how reading treats it.
enum class LineKind {
    Text,     // a text, read whatever it holds
    Flag,     // a visibility: "1" shows, anything else leaves it as it is
    Picture,  // a core picture's visibility: "1" shows, anything else hides
    Mode,     // the work mode text
};

// The entry of WindowState that a line holds.
enum class Entry {
    FieldText,
    Picture,
    DimensionShown,
    DimensionCaption,
    Mode,
    FieldShown,
    CaptionShown,
    Caption,
    Results,
};

struct StateLine {
    LineKind kind;
    Entry entry;
    int index;  // within the entry's array
};

inline constexpr int kStateLineCount = 53;

constexpr std::array<StateLine, kStateLineCount> MakeStateLines() {
    std::array<StateLine, kStateLineCount> lines{};
    int n = 0;
    const auto add = [&](LineKind kind, Entry entry, int count) {
        for (int i = 0; i < count; ++i) {
            lines[n++] = {kind, entry, i};
        }
    };
    add(LineKind::Text, Entry::FieldText, 12);        // 1-12
    add(LineKind::Picture, Entry::Picture, 3);        // 13-15
    add(LineKind::Flag, Entry::DimensionShown, 4);    // 16-19
    add(LineKind::Text, Entry::DimensionCaption, 4);  // 20-23
    add(LineKind::Mode, Entry::Mode, 1);              // 24
    add(LineKind::Flag, Entry::FieldShown, 12);       // 25-36
    add(LineKind::Flag, Entry::CaptionShown, 10);     // 37-46
    add(LineKind::Text, Entry::Caption, 6);           // 47-52
    add(LineKind::Flag, Entry::Results, 1);           // 53
    return lines;
}

// The lines of the file in their order.
inline constexpr std::array<StateLine, kStateLineCount> kStateLines = MakeStateLines();

// The text entry of a Text line.
template <typename State>
auto& TextOf(State& state, const StateLine& line) {
    return line.entry == Entry::FieldText          ? state.fieldTexts[line.index]
           : line.entry == Entry::DimensionCaption ? state.dimensionCaptions[line.index]
                                                   : state.captions[line.index];
}

// The visibility entry of a Flag or Picture line.
template <typename State>
auto& FlagOf(State& state, const StateLine& line) {
    switch (line.entry) {
        case Entry::Picture:
            return state.picturesShown[line.index];
        case Entry::DimensionShown:
            return state.dimensionCaptionsShown[line.index];
        case Entry::FieldShown:
            return state.fieldsShown[line.index];
        case Entry::CaptionShown:
            return state.captionsShown[line.index];
        default:
            return state.resultsShown;
    }
}

}  // namespace transcalc
