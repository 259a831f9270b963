#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include <QWidget>

namespace transcalc {

// What one line of the state file holds and how reading applies it.
enum class LineKind {
    Text,     // an edit field's text
    Caption,  // a label's caption; the label sizes itself to it
    Mode,     // the work mode text
    Flag,     // a control's visibility: "1" shows it, anything else leaves it
    Picture,  // a core picture's visibility: "1" shows it, anything else hides it
};

struct StateLine {
    LineKind kind;
    const char* control;  // object name in the main window; none for Mode
};

// The lines of the file in their order.
// clang-format off
inline constexpr std::array<StateLine, 53> kStateLines = {{
    // 1-12: field texts
    {LineKind::Text, "Edit1"}, {LineKind::Text, "Edit2"}, {LineKind::Text, "Edit3"},
    {LineKind::Text, "Edit4"}, {LineKind::Text, "Edit5"}, {LineKind::Text, "Edit6"},
    {LineKind::Text, "Edit7"}, {LineKind::Text, "Edit8"}, {LineKind::Text, "Edit9"},
    {LineKind::Text, "Edit10"}, {LineKind::Text, "Edit11"}, {LineKind::Text, "Edit12"},
    // 13-15: core pictures
    {LineKind::Picture, "BitBtn2"}, {LineKind::Picture, "BitBtn3"}, {LineKind::Picture, "BitBtn4"},
    // 16-23: dimension captions, shown and their texts
    {LineKind::Flag, "Label1"}, {LineKind::Flag, "Label2"}, {LineKind::Flag, "Label3"},
    {LineKind::Flag, "Label4"},
    {LineKind::Caption, "Label1"}, {LineKind::Caption, "Label2"}, {LineKind::Caption, "Label3"},
    {LineKind::Caption, "Label4"},
    // 24: work mode
    {LineKind::Mode, nullptr},
    // 25-36: fields shown
    {LineKind::Flag, "Edit1"}, {LineKind::Flag, "Edit2"}, {LineKind::Flag, "Edit3"},
    {LineKind::Flag, "Edit4"}, {LineKind::Flag, "Edit5"}, {LineKind::Flag, "Edit6"},
    {LineKind::Flag, "Edit7"}, {LineKind::Flag, "Edit8"}, {LineKind::Flag, "Edit9"},
    {LineKind::Flag, "Edit10"}, {LineKind::Flag, "Edit11"}, {LineKind::Flag, "Edit12"},
    // 37-46: captions shown
    {LineKind::Flag, "Label5"}, {LineKind::Flag, "Label6"}, {LineKind::Flag, "Label7"},
    {LineKind::Flag, "Label8"}, {LineKind::Flag, "Label9"},
    {LineKind::Flag, "Label10"}, {LineKind::Flag, "Label11"}, {LineKind::Flag, "Label12"},
    {LineKind::Flag, "Label13"}, {LineKind::Flag, "Label14"},
    // 47-52: caption texts
    {LineKind::Caption, "Label6"}, {LineKind::Caption, "Label7"}, {LineKind::Caption, "Label8"},
    {LineKind::Caption, "Label12"}, {LineKind::Caption, "Label13"}, {LineKind::Caption, "Label14"},
    // 53: results panel shown
    {LineKind::Flag, "GroupBox1"},
}};
// clang-format on

// The control of the main window with that name. The window is built with
// every control the file names, so a missing one is a programming error.
template <typename Control>
Control& FindControl(const QWidget& form, const char* name) {
    Control* control = form.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        throw std::logic_error(std::string("state file: the window has no control ") + name);
    }
    return *control;
}

}  // namespace transcalc
