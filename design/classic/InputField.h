#pragma once

#include <array>
#include <string>
#include <string_view>

#include "Language.h"

namespace transcalc {

// The twelve input fields of the window, Edit1 to Edit12, by what they hold.
// The dimension fields mean D1, D2, H on a ring and H1, H2, L1, L2 on a
// shaped core; the frequency field holds a pulse in µs in the flyback mode.
enum class Field {
    Dimension1 = 1,
    Dimension2,
    Dimension3,
    Dimension4,
    Gap,
    FrequencyOrPulse,
    VoltageIn,
    VoltageOut,
    SatInduction,
    Permeability,
    ChokeTurns,
    Overshoot,
};

inline constexpr int kFieldCount = 12;

struct FieldInfo {
    Field field;
    std::string_view editName;    // the control's design name
    std::string_view designText;  // the text the field is built with
    std::string_view role;        // what it holds, with its unit
    // The caption beside it; the dimensions take theirs from the core kind,
    // the frequency or pulse field from the mode.
    std::string_view caption;
    std::string_view englishCaption;
};

// clang-format off
inline constexpr std::array<FieldInfo, kFieldCount> kFields = {{
    {Field::Dimension1, "Edit1", "", "ring D1 / shaped H1, mm", "", ""},
    {Field::Dimension2, "Edit2", "", "ring D2 / shaped H2, mm", "", ""},
    {Field::Dimension3, "Edit3", "", "ring H / shaped L1, mm", "", ""},
    {Field::Dimension4, "Edit4", "", "shaped L2, mm", "", ""},
    {Field::Gap, "Edit5", "0", "gap, mm", "Зазор сердечника", "Core gap, mm"},
    {Field::FrequencyOrPulse, "Edit6", "", "frequency, kHz / flyback pulse, µs", "", ""},
    {Field::VoltageIn, "Edit7", "", "input voltage, V", "Вход напряжение", "Input voltage, V"},
    {Field::VoltageOut, "Edit8", "", "output voltage, V", "Выход напряжение", "Output voltage, V"},
    {Field::SatInduction, "Edit9", "", "saturation induction dB, T", "dB - Индукция насыщения",
     "dB - saturation induction, T"},
    {Field::Permeability, "Edit10", "", "initial permeability", "Проницаемость", "Permeability"},
    {Field::ChokeTurns, "Edit11", "", "choke turns", "Количество витков дросселя", "Choke turns"},
    {Field::Overshoot, "Edit12", "", "allowed flyback overshoot, V", "U выброса допустимое",
     "Allowed overshoot U, V"},
}};
// clang-format on

constexpr int FieldIndex(Field field) {
    return static_cast<int>(field) - 1;
}
constexpr const FieldInfo& InfoOf(Field field) {
    return kFields[FieldIndex(field)];
}

// The caption beside a field, in the language.
constexpr std::string_view FieldCaption(Field field, Language language = Language::Russian) {
    return language == Language::English ? InfoOf(field).englishCaption : InfoOf(field).caption;
}

// The texts of the twelve input fields, as typed.
struct InputFields {
    std::array<std::string, kFieldCount> texts;

    std::string& operator[](Field field) { return texts[FieldIndex(field)]; }
    const std::string& operator[](Field field) const { return texts[FieldIndex(field)]; }
    bool operator==(const InputFields& other) const = default;

    // Every field with the text the window is built with: empty, the gap "0".
    static InputFields DesignTexts() {
        InputFields fields;
        for (const FieldInfo& info : kFields) {
            fields[info.field] = info.designText;
        }
        return fields;
    }
};

}  // namespace transcalc
