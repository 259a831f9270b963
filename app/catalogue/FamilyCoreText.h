#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "FamilyShape.h"

namespace transcalc {

// What a catalogue core of a family beyond the classic three shows where a
// classic core has its dimension fields, in the window's language: its
// name, A_e, l_e and the winding window, the bobbin's where one fits it.
struct FamilyCoreText {
    QString name;
    QString area;    // "Ae = 125 мм²"
    QString path;    // "le = 92,2 мм"
    QString window;  // "Окно 8,65 × 28,4 мм"
    QString bobbin;  // "без каркаса" where no bobbin fits; empty otherwise
};

FamilyCoreText FamilyCoreTextOf(const std::string& name, const CatalogueFamilyCore& core,
                                std::string_view separator);

}  // namespace transcalc
