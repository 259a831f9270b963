#pragma once

#include <string>
#include <string_view>

#include "Language.h"
#include "NumberFormat.h"

namespace transcalc {

// One column of a table that the window, the command line and the report
// each show: its caption and unit in both languages and how its numbers are
// written, so that the three say the same. A table is a list of these.
struct TableColumn {
    std::string_view russian;  // the caption without its unit
    std::string_view english;
    std::string_view unitRussian;  // empty for a count, a factor or a name
    std::string_view unitEnglish;
    NumberFormat format;  // of the column's numbers; a column of names has none
};

constexpr std::string_view ColumnUnit(const TableColumn& column, Language language) {
    return language == Language::English ? column.unitEnglish : column.unitRussian;
}

// The heading as shown: "Провод, мм", "Kac".
inline std::string ColumnCaption(const TableColumn& column, Language language) {
    std::string caption(language == Language::English ? column.english : column.russian);
    if (const std::string_view unit = ColumnUnit(column, language); !unit.empty()) {
        caption += ", ";
        caption += unit;
    }
    return caption;
}

}  // namespace transcalc
