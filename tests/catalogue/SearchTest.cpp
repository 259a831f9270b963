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
    EXPECT_EQ(Filter(catalogue.cores, "25").size(), 79u);
    EXPECT_EQ(Filter(catalogue.cores, "E 25/").size(), 4u);
    EXPECT_EQ(Filter(catalogue.materials, "n8").size(), 3u);  // DN85H, N87, N88
}

// A core by its name, else by an alias: the data's own ("E 25/7") or the
// name up to its first slash where no other core takes it ("ETD 39"). A
// name wins over another core's alias; an alias two cores would share, or
// that another core's name takes, names none.
TEST(SearchTest, CoreByNameOrAlias) {
    struct Case {
        const char* name;
        const char* core;  // nullptr: none
    };
    const Case cases[] = {
        {"ETD 39/20/13", "ETD 39/20/13"},
        {"ETD 39", "ETD 39/20/13"},
        {"E 25/7", "E 25/13/7"},
        {"PM 50", "PM 50/39"},
        {"EFD 10", "EFD 10/5/3"},
        {"CC-4", "C 4"},
        {"RM 6", "RM 6"},                // RM 6-S gives it as an alias
        {"ER 42", "ER 42"},              // ER 42/22/15 gives it as an alias
        {"ER 42/22/15", "ER 42/22/15"},  // and ER 42 this one
        {"RM 6S/ILP", nullptr},          // RM 6/9 and RM 6/ILP both give it
        {"T 25", nullptr},               // T 25/15/10, T 25/15/13, ...
        {"etd 39", nullptr},
    };
    const Catalogue catalogue = BuiltinCatalogue();
    for (const Case& c : cases) {
        const Core* core = CoreNamed(catalogue.cores, c.name);
        EXPECT_EQ(core == nullptr ? "none" : core->name, c.core == nullptr ? "none" : c.core)
            << c.name;
    }
    // A user's core of that name wins over the alias.
    std::vector<Core> cores = catalogue.cores;
    cores.push_back({"ETD 39", CoreKind::ShapedE, {}});
    EXPECT_EQ(CoreNamed(cores, "ETD 39"), &cores.back());
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
