#include "CliReport.h"

#include <cstdio>
#include <string_view>

#include "CliCheck.h"

namespace transcalc::cli {
namespace {

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

const char* ColourName(ListColour colour) {
    switch (colour) {
        case ListColour::Desktop:
            return "desktop";
        case ListColour::Red:
            return "red";
        case ListColour::Default:
            break;
    }
    return "default";
}

}  // namespace

// The C library formats in the "C" locale here: the program never sets
// LC_NUMERIC for long.
void AppendJsonNumber(std::string& out, double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    out += text;
}

int ExitStatus(const DesignRun& run) {
    if (run.error) {
        return kExitError;
    }
    return run.list.colour == ListColour::Red ? kExitRed : kExitNormal;
}

std::string ToJson(const DesignRun& report, const std::optional<DesignCheck>& check) {
    std::string out = "{\"lines\": [";
    for (std::size_t i = 0; i < report.list.lines.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        AppendJsonString(out, report.list.lines[i]);
    }
    out += "], \"colour\": \"";
    out += ColourName(report.list.colour);
    out += "\", \"error\": ";
    if (report.error) {
        AppendJsonString(out, *report.error);
    } else {
        out += "null";
    }

    const DesignState& s = report.after;
    out += ", \"state\": {";
    VisitDesignValues(s, [&out](const char* name, double value) {
        out += '"';
        out += name;
        out += "\": ";
        AppendJsonNumber(out, value);
        out += ", ";
    });
    out += "\"ResultsPending\": ";
    out += s.ResultsPending ? "true" : "false";
    out += ", \"Mode\": ";
    AppendJsonString(out, s.Mode);
    out += '}';
    if (check && CheckRefused(*check)) {
        out += ", \"check\": null, \"check_error\": ";
        AppendJsonString(out, *check->nothingToCheck);
    } else if (check) {
        out += ", \"check\": ";
        out += CheckJson(*check);
    }
    out += "}\n";
    return out;
}

}  // namespace transcalc::cli
