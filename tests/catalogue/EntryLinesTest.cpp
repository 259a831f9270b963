#include "EntryLines.h"

#include <gtest/gtest.h>

#include <string>

#include "BuiltinText.h"

namespace transcalc::catalogue {
namespace {

TEST(EntryLinesTest, ReadsACoreWithEveryLetter) {
    Messages messages;
    const std::vector<Core> cores = ReadCores(
        "# name\tkind\tdimensions\n"
        "E 25/13/7\te\tA=25.05\tB=12.55\tC=7.2\tD=8.95\tE=17.9\tF=7.25\r\n"
        "\n"
        "U 80/150/30\tu\tA=80\tB=75\tC=30\tE=39\tR1=1\tR2=0\n",
        "cores.tsv", messages);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(cores.size(), 2u);
    EXPECT_EQ(cores[0].name, "E 25/13/7");
    EXPECT_EQ(cores[0].kind, CoreKind::ShapedE);
    EXPECT_EQ(cores[0].dimensions.size(), 6u);
    EXPECT_EQ(cores[0].Millimetres("F"), 7.25);
    EXPECT_EQ(cores[0].Millimetres("G"), std::nullopt);
    EXPECT_EQ(cores[1].kind, CoreKind::ShapedU);
    EXPECT_EQ(cores[1].Millimetres("R2"), 0.0);
}

TEST(EntryLinesTest, AMalformedLineIsNamedAndTheRestIsRead) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"X 1\tring", "mine.tsv:2: expected a name, a kind and dimensions, separated by tabs"},
        {"X 1\tpot\tA=1", "mine.tsv:2: unknown kind 'pot' (ring, e or u)"},
        {"X 1\tring\tA=1\tB=0,5\tC=1", "mine.tsv:2: 'B=0,5' is not LETTER=millimetres"},
        {"X 1\tring\tA=1\t=2\tC=1", "mine.tsv:2: '=2' is not LETTER=millimetres"},
        {"X 1\tring\tA=1\tB=-2\tC=1", "mine.tsv:2: 'B=-2' is not LETTER=millimetres"},
        {"X 1\tring\tA=1\tA=2\tC=1", "mine.tsv:2: the dimension A is given twice"},
        {"X 1\te\tA=10\tB=5\tC=3",
         "mine.tsv:2: the dimension F is missing (a core of kind e needs A, B, C, F)"},
        {"X 1\tring\tA=10\tB=0\tC=3", "mine.tsv:2: the dimension B must not be 0"},
        {"X 1\tu\tA=10\tB=5\tC=3\tE=10",
         "mine.tsv:2: the window width E must be smaller than the overall width A"},
        {"\tring\tA=1\tB=1\tC=1", "mine.tsv:2: the name is empty"},
    };
    for (const Case& c : cases) {
        Messages messages;
        const std::string text = std::string("T 1/0.5/0.3\tring\tA=1\tB=0.5\tC=0.3\n") + c.line +
                                 "\nT 2\tring\tA=2\tB=1\tC=1";
        const std::vector<Core> cores = ReadCores(text, "mine.tsv", messages);
        ASSERT_EQ(messages.size(), 1u) << c.line;
        EXPECT_EQ(messages[0], c.message);
        ASSERT_EQ(cores.size(), 2u) << c.line;
        EXPECT_EQ(cores[1].name, "T 2");
    }
}

TEST(EntryLinesTest, ReadsAMaterialWithSortedSaturationAndSteinmetz) {
    Messages messages;
    const std::vector<Material> materials = ReadMaterials(
        "\xEF\xBB\xBFM1\tAcme\tferrite\t2300\t100:0.39 25:0.49\t"
        "100000,300000,8.2,1.78,2.62 1,100000,13824.1,1.19,2.63,0.0098,0.000148,7.1e-07\n"
        "M2\tAcme\tpowder\t60\n",
        "materials.tsv", messages);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(materials.size(), 2u);
    const Material& m1 = materials[0];
    EXPECT_EQ(m1.name, "M1");
    EXPECT_EQ(m1.maker, "Acme");
    EXPECT_EQ(m1.composition, "ferrite");
    EXPECT_EQ(m1.initialPermeability, 2300);
    ASSERT_EQ(m1.saturation.size(), 2u);
    EXPECT_EQ(m1.saturation[0].temperature, 25);
    EXPECT_EQ(m1.saturation[0].fluxDensity, 0.49);
    EXPECT_EQ(m1.saturation[1].temperature, 100);
    ASSERT_EQ(m1.steinmetz.size(), 2u);
    EXPECT_EQ(m1.steinmetz[0].minimumFrequency, 1);
    EXPECT_EQ(m1.steinmetz[0].maximumFrequency, 100000);
    EXPECT_EQ(m1.steinmetz[0].k, 13824.1);
    EXPECT_TRUE(m1.steinmetz[0].hasTemperatureFactor);
    EXPECT_EQ(m1.steinmetz[0].ct2, 7.1e-07);
    EXPECT_EQ(m1.steinmetz[1].minimumFrequency, 100000);
    EXPECT_FALSE(m1.steinmetz[1].hasTemperatureFactor);
    EXPECT_TRUE(materials[1].saturation.empty());
    EXPECT_TRUE(materials[1].steinmetz.empty());
}

TEST(EntryLinesTest, MalformedMaterialAndWireLines) {
    struct Case {
        bool material;
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {true, "M\tAcme\tferrite",
         "m.tsv:3: expected a name, maker, composition, initial permeability and optionally "
         "saturation and Steinmetz ranges, separated by tabs"},
        {true, "M\tAcme\tferrite\tmany",
         "m.tsv:3: the initial permeability 'many' is not a positive number"},
        {true, "M\tAcme\tferrite\t0",
         "m.tsv:3: the initial permeability '0' is not a positive number"},
        {true, "M\tAcme\tferrite\t2000\t25=0.5", "m.tsv:3: '25=0.5' is not CELSIUS:TESLA"},
        {true, "M\tAcme\tferrite\t2000\t25:0.5 25:0.4",
         "m.tsv:3: the saturation at 25 C is given twice"},
        {true, "M\tAcme\tferrite\t2000\t\t1,2,3,4",
         "m.tsv:3: '1,2,3,4' is not f_min,f_max,k,alpha,beta or "
         "f_min,f_max,k,alpha,beta,ct0,ct1,ct2"},
        {true, "M\tAcme\tferrite\t2000\t\t1,2,3,4,x",
         "m.tsv:3: '1,2,3,4,x' is not f_min,f_max,k,alpha,beta or f_min,f_max,k,alpha,beta,ct0,ct1,"
         "ct2"},
        {false, "W\t1\t0.5",
         "m.tsv:3: expected a name, grade, conductor and outer diameter, separated by tabs"},
        {false, "W\tone\t0.5\t0.55", "m.tsv:3: the grade 'one' is not a whole number"},
        {false, "W\t1\t0.5\tthick", "m.tsv:3: the outer diameter 'thick' is not a positive number"},
    };
    for (const Case& c : cases) {
        Messages messages;
        const std::string text = std::string("# header\n\n") + c.line + "\n";
        const std::size_t read = c.material ? ReadMaterials(text, "m.tsv", messages).size()
                                            : ReadWires(text, "m.tsv", messages).size();
        EXPECT_EQ(read, 0u) << c.line;
        ASSERT_EQ(messages.size(), 1u) << c.line;
        EXPECT_EQ(messages[0], c.message);
    }
}

TEST(EntryLinesTest, WritesLinesThatReadBack) {
    const char* const lines[] = {
        "E 25/13/7\te\tA=25.05\tB=12.55\tC=7.2\tD=8.95\tE=17.9\tF=7.25",
        "N87\tTDK\tferrite\t2309\t25:0.49525 100:0.3898\t"
        "1,100000,13824.103826607978,1.188950273156242,2.6264456146939663,0.009808497074635,"
        "0.00014772943887100001,7.149209522667017e-07",
        "PC95\tTDK\tferrite\t3300\t25:0.53 60:0.48 100:0.41 120:0.38\t",
        "Round 0.5 - FIW 4\t4\t0.5\t0.608",
    };
    Messages messages;
    EXPECT_EQ(CoreLine(ReadCores(lines[0], "c", messages).at(0)), lines[0]);
    EXPECT_EQ(MaterialLine(ReadMaterials(lines[1], "m", messages).at(0)), lines[1]);
    EXPECT_EQ(MaterialLine(ReadMaterials(lines[2], "m", messages).at(0)), lines[2]);
    EXPECT_EQ(WireLine(ReadWires(lines[3], "w", messages).at(0)), lines[3]);
    EXPECT_TRUE(messages.empty());
}

// The writer and the import script agree on every number of the data.
TEST(EntryLinesTest, EveryBuiltInLineWritesBackAsItIs) {
    auto check = [](std::string_view text, auto read, auto write) {
        Messages messages;
        std::size_t lines = 0;
        for (std::size_t start = text.find('\n') + 1; start < text.size(); ++lines) {
            const std::size_t end = text.find('\n', start);
            const std::string_view line = text.substr(start, end - start);
            EXPECT_EQ(write(read(line, "builtin", messages).at(0)), line);
            start = end + 1;
        }
        return lines;
    };
    EXPECT_EQ(check(BuiltinCoresText(), ReadCores, CoreLine), 562u);
    EXPECT_EQ(check(BuiltinMaterialsText(), ReadMaterials, MaterialLine), 309u);
    EXPECT_EQ(check(BuiltinWiresText(), ReadWires, WireLine), 549u);
    EXPECT_EQ(CoreLine({"X", CoreKind::Ring, {{"A", 1e16}, {"B", 1e-5}, {"C", 0.0001}}}),
              "X\tring\tA=1e+16\tB=1e-05\tC=0.0001");
}

TEST(EntryLinesTest, TheBuiltInFilesOpenWithTheHeaders) {
    const std::pair<std::string_view, std::string_view> files[] = {
        {BuiltinCoresText(), kCoresHeader},
        {BuiltinMaterialsText(), kMaterialsHeader},
        {BuiltinWiresText(), kWiresHeader},
    };
    for (const auto& [text, header] : files) {
        EXPECT_EQ(text.substr(0, text.find('\n')), header);
    }
}

}  // namespace
}  // namespace transcalc::catalogue
