#include "Search.h"

#include <algorithm>
#include <numeric>

namespace transcalc::catalogue {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char a, char b) { return Lower(a) == Lower(b); }) != text.end() ||
           part.empty();
}

const Core* CoreNamed(const std::vector<Core>& cores, std::string_view name) {
    const auto named = std::ranges::find(cores, name, &Core::name);
    if (named != cores.end()) {
        return &*named;
    }
    const auto aliased = std::ranges::find_if(cores, [&](const Core& core) {
        return std::ranges::find(core.aliases, name) != core.aliases.end();
    });
    return aliased == cores.end() ? nullptr : &*aliased;
}

std::size_t NameDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t change = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({change, above + 1, row[j - 1] + 1});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace transcalc::catalogue
