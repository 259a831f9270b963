#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Entries.h"

namespace transcalc::catalogue {

// Whether `part` occurs in `text`, ASCII letters compared without case; an
// empty part occurs everywhere.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

// The entries whose name holds `part`, in catalogue order: "25" keeps every
// core with 25 in its name.
template <typename Entry>
std::vector<const Entry*> Filter(const std::vector<Entry>& entries, std::string_view part) {
    std::vector<const Entry*> kept;
    for (const Entry& entry : entries) {
        if (ContainsIgnoringCase(entry.name, part)) {
            kept.push_back(&entry);
        }
    }
    return kept;
}

// The core of that exact name, else the first with that alias ("ETD 39"
// for "ETD 39/20/13"); nullptr when none is.
const Core* CoreNamed(const std::vector<Core>& cores, std::string_view name);

// The edit distance between two names, ASCII letters compared without case.
std::size_t NameDistance(std::string_view a, std::string_view b);

// Up to `count` names nearest to an unknown one, nearest first, catalogue
// order between equals: what an error message offers instead.
template <typename Entry>
std::vector<std::string> ClosestNames(const std::vector<Entry>& entries, std::string_view name,
                                      std::size_t count = 3) {
    std::vector<std::pair<std::size_t, const Entry*>> ranked;
    for (const Entry& entry : entries) {
        ranked.emplace_back(NameDistance(entry.name, name), &entry);
    }
    const std::size_t kept = std::min(count, ranked.size());
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kept; ++i) {
        names.push_back(ranked[i].second->name);
    }
    return names;
}

}  // namespace transcalc::catalogue
