#include "Search.h"

#include <gtest/gtest.h>

#include "Catalogue.h"

namespace transcalc::catalogue {
namespace {

struct Named {
    std::string name;
};

const std::vector<Named> kNames = {{"E 25/13/7"}, {"E 25/13/11"}, {"T 25/15/10"},
                                   {"N87"},       {"n88"},        {"3C90"}};

std::vector<std::string> FilteredNames(std::string_view part) {
    std::vector<std::string> names;
    for (const Named* entry : Filter(kNames, part)) {
        names.push_back(entry->name);
    }
    return names;
}

TEST(SearchTest, FilterKeepsCatalogueOrderIgnoringCase) {
    struct Case {
        const char* part;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"25", {"E 25/13/7", "E 25/13/11", "T 25/15/10"}},
        {"e 25/13", {"E 25/13/7", "E 25/13/11"}},
        {"N8", {"N87", "n88"}},
        {"c9", {"3C90"}},
        {"", {"E 25/13/7", "E 25/13/11", "T 25/15/10", "N87", "n88", "3C90"}},
        {"zz", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilteredNames(c.part), c.names) << c.part;
    }
}

TEST(SearchTest, FilterOverTheBuiltInCores) {
    const Catalogue catalogue = BuiltinCatalogue();
    EXPECT_EQ(Filter(catalogue.cores, "25").size(), 51u);
    EXPECT_EQ(Filter(catalogue.cores, "E 25/").size(), 4u);
    EXPECT_EQ(Filter(catalogue.materials, "n8").size(), 3u);  // DN85H, N87, N88
}

TEST(SearchTest, ClosestNames) {
    struct Case {
        const char* unknown;
        std::vector<std::string> closest;
    };
    const Case cases[] = {
        {"E 25/13/8", {"E 25/13/7", "E 25/13/11", "T 25/15/10"}},
        {"n87", {"N87", "n88", "3C90"}},
        {"3c91", {"3C90", "N87", "n88"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClosestNames(kNames, c.unknown), c.closest) << c.unknown;
    }
    EXPECT_EQ(ClosestNames(kNames, "N87", 1), std::vector<std::string>{"N87"});
    EXPECT_TRUE(ClosestNames(std::vector<Named>{}, "N87").empty());
}

TEST(SearchTest, NameDistance) {
    EXPECT_EQ(NameDistance("N87", "n87"), 0u);
    EXPECT_EQ(NameDistance("E 25/13/7", "E25/13/7"), 1u);
    EXPECT_EQ(NameDistance("3C90", "3C94"), 1u);
    EXPECT_EQ(NameDistance("", "abc"), 3u);
    EXPECT_EQ(NameDistance("kitten", "sitting"), 3u);
}

}  // namespace
}  // namespace transcalc::catalogue
