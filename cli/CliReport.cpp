#include "CliReport.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>

#include "CliCheck.h"

namespace transcalc::cli {
namespace {

using Json = nlohmann::ordered_json;

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

// Not display text: 17 significant digits that any JSON reader takes back
// as the same double, as the --json output has always written them.
void AppendNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
    out.append(text, result.ptr);
}

void AppendText(std::string& out, const std::string& text) {
    out += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void AppendValue(std::string& out, const Json& value) {
    const char* separator = "";
    switch (value.type()) {
        case Json::value_t::object:
            out += '{';
            for (auto member = value.begin(); member != value.end(); ++member) {
                out += std::exchange(separator, ", ");
                AppendText(out, member.key());
                out += ": ";
                AppendValue(out, member.value());
            }
            out += '}';
            break;
        case Json::value_t::array:
            out += '[';
            for (const Json& element : value) {
                out += std::exchange(separator, ", ");
                AppendValue(out, element);
            }
            out += ']';
            break;
        case Json::value_t::number_float:
            AppendNumber(out, value.get<double>());
            break;
        case Json::value_t::string:
            AppendText(out, value.get_ref<const std::string&>());
            break;
        default:
            out += value.dump();
    }
}

}  // namespace

int ExitStatus(const DesignRun& run) {
    if (run.error) {
        return kExitError;
    }
    return run.list.colour == ListColour::Red ? kExitRed : kExitNormal;
}

std::string JsonLine(const Json& value) {
    std::string out;
    AppendValue(out, value);
    out += '\n';
    return out;
}

Json ReportJson(const DesignRun& run, const std::optional<DesignCheck>& check,
                const std::optional<WindingCheck>& windings, Language language) {
    Json state = Json::object();
    VisitDesignValues(run.after, [&state](const char* name, double value) { state[name] = value; });
    state["ResultsPending"] = run.after.ResultsPending;
    state["Mode"] = run.after.Mode;

    Json json = Json::object();
    json["lines"] = run.list.lines;
    json["colour"] = ColourName(run.list.colour);
    json["error"] = run.error ? Json(*run.error) : Json();
    json["state"] = std::move(state);
    json["core_family"] = run.coreFamily ? Json(std::string(InfoOf(*run.coreFamily).key)) : Json();
    if (check && CheckRefused(*check)) {
        json["check"] = Json();
        json["check_error"] = TranslatedText(*check->nothingToCheck, language);
    } else if (check) {
        json["check"] = CheckJson(*check);
    }
    if (windings && windings->nothingToCheck) {
        json["winding"] = Json();
        json["winding_error"] = TranslatedText(*windings->nothingToCheck, language);
    } else if (windings) {
        json["winding"] = WindingJson(*windings);
    }
    return json;
}

}  // namespace transcalc::cli
