#include "EntryLines.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "BuiltinText.h"

namespace transcalc::catalogue {
namespace {

using namespace std::string_literals;

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

// A core of each family beyond the classic three, as a user's file gives it:
// its letters (EFD's offset K below 0, PM's slot angle in degrees), its
// subtype, aliases and bobbin windows.
TEST(EntryLinesTest, ReadsACoreOfEveryFamily) {
    const char* const lines[] = {
        "ETD 19/14/8\tetd\tA=19.6\tB=13.65\tC=7.4\tD=9.4\tE=14.9\tF=7.4\talias=ETD 19\t"
        "bobbin=2.15,15.9",
        "ER 25.5\ter\tA=25.5\tB=9.3\tC=7.5\tD=6.2\tE=20.3\tF=7.5",
        "EC 35\tec\tA=34.5\tB=17.3\tC=9.5\tD=12.25\tE=22.75\tF=9.5\tT=28.5\tr=0.5\ts=2.75",
        "EFD 10/5/3\tefd\tA=10.5\tB=5.2\tC=2.7\tD=3.75\tE=7.65\tF=4.55\tF2=1.45\tK=-0.2\t"
        "q=0.2\tsubtype=1",
        "EQ 13/3\teq\tA=12.8\tB=2.855\tC=8.7\tD=1.755\tE=11.2\tF=5\tG=9.05",
        "LP 23/14\tlp\tA=23.39\tB=8.71\tC=14\tD=6.2\tE=19.41\tF=9.19\tG=14.21",
        "E 14/3.5/5\tplanar-e\tA=14\tB=3.5\tC=5\tD=2\tE=11\tF=3",
        "ER 9.5/2.5/5\tplanar-er\tA=9.35\tB=2.455\tC=4.9\tD=1.675\tE=7.625\tF=3.4\tG=7.2",
        "EL 11/2.0\tplanar-el\tA=11\tB=2.01\tC=8.8\tD=1\tE=9.17\tF=2.78\tF2=6.4\tR=0.3",
        "RM 4\trm\tA=11.2\tB=5.2\tC=4.5\tD=3.6\tE=8.15\tF=3.8\tG=5.8\tJ=9.6\tR=0",
        "P 3.3/2.6\tpot\tA=3.24\tB=1.275\tD=0.9\tE=2.55\tF=1.35\tG=1.05\tH=0.5\tr1=0.2",
        "PM 50/39\tpm\tA=49.15\tB=19.4\tC=23\tD=13.4\tE=39.65\tF=19.7\tG=23.4\tH=5.55\t"
        "alpha=120\tb=4.5\te=7.8\tt=1.4",
        "PQ 16/11\tpq\tA=20.6\tB=8.15\tC=11.1\tD=4.6\tE=16\tF=6.5",
        "PQI 16/7.8\tpqi\tA=16.4\tB=5.4\tB2=2.35\tC=11.2\tD=3.05\tE=14.4\tF=7\tG=10\tJ=3.9\t"
        "L=8.4",
        "EP 5\tep\tA=6\tB=2.8\tC=3.8\tD=2\tE=4.4\tF=1.7\tK=0.9",
        "EPX 7\tepx\tA=9.4\tB=3.65\tC=8.8\tD=2.5\tE=7.2\tF=3.3\tK=4",
        "UR 35/27.5/13\tur\tA=35.4\tB=27.5\tC=13\tD=17.5\tE=12\tH=10",
        "UI 93/76/16\tui\tA=93\tB=76\tB2=28\tC=16\tD=48\tE=34.6",
        "UT 20\tut\tA=14.1\tB=20.6\tC=4.6\tD=16\tE=7.5\tF=4.1",
        "C 4\tc\tA=28.5\tB=25.5\tC=15.25\tD=16.375\tE=10.5\talias=CC-4\talias=C-4",
    };
    for (const char* line : lines) {
        Messages messages;
        const std::vector<Core> cores = ReadCores(line, "u.tsv", messages);
        EXPECT_EQ(messages, Messages{}) << line;
        ASSERT_EQ(cores.size(), 1u) << line;
        EXPECT_FALSE(cores[0].IsClassic()) << line;
        EXPECT_EQ(CoreLine(cores[0]), line);
    }
    Messages messages;
    const Core etd = ReadCores(lines[0], "u.tsv", messages).at(0);
    EXPECT_EQ(etd.Family(), CoreFamily::Etd);
    EXPECT_EQ(etd.aliases, std::vector<std::string>{"ETD 19"});
    ASSERT_TRUE(etd.Bobbin());
    EXPECT_EQ(etd.Bobbin()->breadth, 2.15);
    EXPECT_EQ(etd.Bobbin()->height, 15.9);
    const Core efd = ReadCores(lines[3], "u.tsv", messages).at(0);
    EXPECT_EQ(efd.subtype, "1");
    EXPECT_EQ(efd.Millimetres("K"), -0.2);
    const FamilyCore drawn = FamilyCoreOf(efd);
    EXPECT_EQ(drawn.family, CoreFamily::Efd);
    ASSERT_EQ(drawn.letters.size(), 9u);
    EXPECT_EQ(drawn.letters[6].letter, "F2");
    EXPECT_EQ(drawn.letters[6].millimetres, 1.45);
}

TEST(EntryLinesTest, AMalformedLineIsNamedAndTheRestIsRead) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"X 1\tring", "mine.tsv:2: expected a name, a kind and dimensions, separated by tabs"},
        {"X 1\tpod\tA=1",
         "mine.tsv:2: unknown kind 'pod' (ring, e, u, etd, er, ec, efd, eq, lp, planar-e, "
         "planar-er, planar-el, rm, pot, pm, pq, pqi, ep, epx, ur, ui, ut or c)"},
        {"X 1\tring\tA=1\tB=0,5\tC=1", "mine.tsv:2: 'B=0,5' is not LETTER=millimetres"},
        {"X 1\tring\tA=1\t=2\tC=1", "mine.tsv:2: '=2' is not LETTER=millimetres"},
        {"X 1\tring\tA=1\tB=-2\tC=1",
         "mine.tsv:2: the dimension 'B=-2' is not within 0.1 to 1000 mm"},
        {"X 1\tring\tA=1\tA=2\tC=1", "mine.tsv:2: the dimension A is given twice"},
        {"X 1\te\tA=10\tB=5\tC=3",
         "mine.tsv:2: the dimension F is missing (a core of kind e needs A, B, C, F)"},
        {"X 1\tring\tA=10\tB=0\tC=3",
         "mine.tsv:2: the dimension 'B=0' is not within 0.1 to 1000 mm"},
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
    EXPECT_FALSE(materials[1].curieTemperature);
    EXPECT_TRUE(materials[1].modifiers.empty());
    EXPECT_TRUE(materials[1].lossFormulas.empty());
}

TEST(EntryLinesTest, ReadsAPowderWithCurieModifiersAndLossFormulas) {
    Messages messages;
    const std::vector<Material> materials = ReadMaterials(
        "P\tAcme\tpowder\t26\t100:1\t\t500\t"
        "default:magnetics:bias=0.01,1.8e-10,1.82 default:magnetics:temperature=1,2,3,4,5 "
        "E/ER/U:magnetics:bias=0.01,3.9e-11,2\t"
        "default:magnetics=1.25,1.988,1.541 E/ER/U:micrometals=1e-9,1e-4,7e-4,2e-4\n",
        "materials.tsv", messages);
    EXPECT_EQ(messages, Messages{});
    ASSERT_EQ(materials.size(), 1u);
    const Material& p = materials[0];
    EXPECT_EQ(p.curieTemperature, 500);
    ASSERT_EQ(p.modifiers.size(), 2u);
    EXPECT_EQ(p.modifiers[0].family, "default");
    EXPECT_EQ(p.modifiers[0].method, PowderMethod::Magnetics);
    EXPECT_EQ(p.modifiers[0].bias, (std::vector<double>{0.01, 1.8e-10, 1.82}));
    EXPECT_TRUE(p.modifiers[0].frequency.empty());
    EXPECT_EQ(p.modifiers[0].temperature, (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(p.modifiers[1].family, "E/ER/U");
    EXPECT_EQ(p.modifiers[1].bias, (std::vector<double>{0.01, 3.9e-11, 2}));
    ASSERT_EQ(p.lossFormulas.size(), 2u);
    EXPECT_EQ(p.lossFormulas[0].method, PowderMethod::Magnetics);
    EXPECT_EQ(p.lossFormulas[0].coefficients, (std::vector<double>{1.25, 1.988, 1.541}));
    EXPECT_EQ(p.lossFormulas[1].family, "E/ER/U");
    EXPECT_EQ(p.lossFormulas[1].method, PowderMethod::Micrometals);
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
         "saturation, Steinmetz ranges, Curie temperature, permeability modifiers and loss "
         "formulas, separated by tabs"},
        {true, "M\tAcme\tferrite\tmany",
         "m.tsv:3: the initial permeability 'many' is not a number"},
        {true, "M\tAcme\tferrite\t0",
         "m.tsv:3: the initial permeability '0' is not within 1 to 1000000"},
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
        {false, "W\t1\t0.5\tthick", "m.tsv:3: the outer diameter 'thick' is not a number"},
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

// Every rule a line must pass to describe a real part, and the text that
// names the line that breaks it.
TEST(EntryLinesTest, LinesNoRealPartCouldHaveAreNamedAndLeftOut) {
    enum Kind { kCore, kMaterial, kWire };
    struct Case {
        Kind kind;
        std::string line;
        const char* message;
    };
    const Case cases[] = {
        {kCore, "N\0L\tring\tA=2\tB=1\tC=1"s, "u.tsv:2: the name holds a control character"},
        {kCore, "N\x1B[31m\tring\tA=2\tB=1\tC=1", "u.tsv:2: the name holds a control character"},
        {kCore, "N\xC2\x85\tring\tA=2\tB=1\tC=1", "u.tsv:2: the name holds a control character"},
        {kCore, "N\xFF\tring\tA=2\tB=1\tC=1", "u.tsv:2: the name is not valid UTF-8"},
        {kCore, "N\xC0\xAF\tring\tA=2\tB=1\tC=1", "u.tsv:2: the name is not valid UTF-8"},
        {kCore, "N\xED\xA0\x80\tring\tA=2\tB=1\tC=1", "u.tsv:2: the name is not valid UTF-8"},
        {kCore, "N\xD0\tring\tA=2\tB=1\tC=1", "u.tsv:2: the name is not valid UTF-8"},
        {kCore, "R\tring\tA=10\tB=10\tC=5",
         "u.tsv:2: the inner diameter B must be smaller than the outer diameter A"},
        {kCore, "R\tring\tA=10\tB=12\tC=5",
         "u.tsv:2: the inner diameter B must be smaller than the outer diameter A"},
        {kCore, "R\tring\tA=1e999\tB=1\tC=5", "u.tsv:2: 'A=1e999' is not LETTER=millimetres"},
        {kCore, "R\tring\tA=nan\tB=1\tC=5", "u.tsv:2: 'A=nan' is not LETTER=millimetres"},
        {kCore, "R\tring\tA=2\tB=1\tC=1\tLong=1", "u.tsv:2: 'Long=1' is not LETTER=millimetres"},
        {kCore, "R\tring\tA=2\tB=1\tC=1\t" + std::string(100, 'x'),
         "u.tsv:2: 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' is not LETTER=millimetres"},
        {kCore, "R\tpot\x01\tA=2", "u.tsv:2: the kind holds a control character"},
        // Ш: the centre leg L1 = F against H2/2 = A/2 and 2*H1 = 2*B.
        {kCore, "E\te\tA=20\tB=10\tC=5\tF=10",
         "u.tsv:2: the centre leg F leaves no window for the winding (F must be below A/2 and "
         "below 2*B)"},
        {kCore, "E\te\tA=40\tB=4\tC=5\tF=8",
         "u.tsv:2: the centre leg F leaves no window for the winding (F must be below A/2 and "
         "below 2*B)"},
        // П: one leg L1 = (A - E)/2 against H1 = B.
        {kCore, "U\tu\tA=40\tB=5\tC=5\tE=30",
         "u.tsv:2: the legs (A-E)/2 leave no window for the winding (they must be below B)"},
        {kMaterial, "M\tAc\x7Fme\tferrite\t2000", "u.tsv:2: the maker holds a control character"},
        {kMaterial, "M\tAcme\tfer\xE2\x82rite\t2000",
         "u.tsv:2: the composition is not valid UTF-8"},
        {kMaterial, "M\tAcme\tferrite\t-2000",
         "u.tsv:2: the initial permeability '-2000' is not within 1 to 1000000"},
        {kMaterial, "M\tAcme\tferrite\tinf",
         "u.tsv:2: the initial permeability 'inf' is not a number"},
        {kMaterial, "M\tAcme\tferrite\t2000\t25:0",
         "u.tsv:2: the saturation flux density in '25:0' is not above 0 T"},
        {kMaterial, "M\tAcme\tferrite\t2000\t25:3.01",
         "u.tsv:2: the saturation flux density in '25:3.01' is above 3 T"},
        {kMaterial, "M\tAcme\tferrite\t2000\t\t1,2,0,1.5,2.5",
         "u.tsv:2: the Steinmetz k in '1,2,0,1.5,2.5' is not within 3.3e-16 to 1200000000"},
        {kMaterial, "M\tAcme\tferrite\t2000\t\t1,2,-3,1.5,2.5",
         "u.tsv:2: the Steinmetz k in '1,2,-3,1.5,2.5' is not within 3.3e-16 to 1200000000"},
        {kMaterial, "M\tAcme\tferrite\t2000\t\t1,2,3,0.4,2.5",
         "u.tsv:2: the Steinmetz alpha in '1,2,3,0.4,2.5' is not within 0.5 to 4.5"},
        {kMaterial, "M\tAcme\tferrite\t2000\t\t1,2,3,4.6,2.5",
         "u.tsv:2: the Steinmetz alpha in '1,2,3,4.6,2.5' is not within 0.5 to 4.5"},
        {kMaterial, "M\tAcme\tferrite\t2000\t\t1,2,3,1.5,0.09",
         "u.tsv:2: the Steinmetz beta in '1,2,3,1.5,0.09' is not within 0.1 to 5"},
        {kMaterial, "M\tAcme\tferrite\t2000\t\t1,2,3,1.5,5.1",
         "u.tsv:2: the Steinmetz beta in '1,2,3,1.5,5.1' is not within 0.1 to 5"},
        {kMaterial, "M\tAcme\tferrite\t2000\t\t1,2,3,1.5,2.5,1,1e400,1",
         "u.tsv:2: '1,2,3,1.5,2.5,1,1e400,1' is not f_min,f_max,k,alpha,beta or "
         "f_min,f_max,k,alpha,beta,ct0,ct1,ct2"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t500\t\t\t\t",
         "u.tsv:2: expected a name, maker, composition, initial permeability and optionally "
         "saturation, Steinmetz ranges, Curie temperature, permeability modifiers and loss "
         "formulas, separated by tabs"},
        {kMaterial, "M\tAcme\tferrite\t2000\t\t\t210 C",
         "u.tsv:2: the Curie temperature '210 C' is not a number"},
        {kMaterial, "M\tAcme\tferrite\t2000\t25:0.5 120:0.3\t\t100",
         "u.tsv:2: the Curie temperature '100' is below a saturation point's temperature"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\tdefault:magnetics:bias",
         "u.tsv:2: 'default:magnetics:bias' is not FAMILY:METHOD:FACTOR=a,b,..."},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\tPQ:magnetics:bias=0.01,1e-10,2",
         "u.tsv:2: unknown core family 'PQ' (default, E/ER/U or EQ/LP)"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\tdefault:steinmetz:bias=0.01,1e-10,2",
         "u.tsv:2: unknown permeability method 'steinmetz' (magnetics, micrometals or "
         "fair-rite)"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\tdefault:magnetics:flux=1,2,3,4,5,6",
         "u.tsv:2: the magnetics method has no factor 'flux'"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\tdefault:fair-rite:bias=0.01,1e-10,2",
         "u.tsv:2: the fair-rite method has no factor 'bias'"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\tdefault:micrometals:bias=0.01,1e-9,1.4",
         "u.tsv:2: the bias factor in 'default:micrometals:bias=0.01,1e-9,1.4' needs 4 "
         "coefficients"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\tdefault:micrometals:temperature=1,2",
         "u.tsv:2: the temperature factor in 'default:micrometals:temperature=1,2' needs 1 or 5 "
         "coefficients"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\tdefault:magnetics:bias=0.01,x,2",
         "u.tsv:2: the coefficients in 'default:magnetics:bias=0.01,x,2' are not numbers"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\tdefault:magnetics:bias=0,1e-10,2",
         "u.tsv:2: the bias factor in 'default:magnetics:bias=0,1e-10,2' needs a above 0"},
        {kMaterial,
         "M\tAcme\tpowder\t60\t\t\t\tdefault:magnetics:bias=0.01,1e-10,2 "
         "default:fair-rite:temperature=1",
         "u.tsv:2: the family default has modifiers of two methods"},
        {kMaterial,
         "M\tAcme\tpowder\t60\t\t\t\tE/ER/U:magnetics:bias=0.01,1e-10,2 "
         "E/ER/U:magnetics:bias=0.01,1e-10,2",
         "u.tsv:2: the E/ER/U bias factor is given twice"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\t\tdefault:magnetics",
         "u.tsv:2: 'default:magnetics' is not FAMILY:METHOD=a,b,..."},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\t\tdefault:magnetics=1.5,2",
         "u.tsv:2: the magnetics loss formula in 'default:magnetics=1.5,2' needs 3 coefficients, "
         "a above 0"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\t\tdefault:micrometals=1e-6,-1,0,0",
         "u.tsv:2: the micrometals loss formula in 'default:micrometals=1e-6,-1,0,0' needs 4 "
         "coefficients, none below 0 and a, b or c above 0"},
        {kMaterial, "M\tAcme\tpowder\t60\t\t\t\t\tdefault:fair-rite=1",
         "u.tsv:2: unknown loss method 'fair-rite' (magnetics or micrometals)"},
        {kMaterial,
         "M\tAcme\tpowder\t60\t\t\t\t\tdefault:magnetics=1.5,2,1.5 "
         "default:micrometals=1e-9,1e-4,7e-4,2e-4",
         "u.tsv:2: the default loss formula is given twice"},
        {kWire, "W\t1\t0.5\t0.5",
         "u.tsv:2: the conductor diameter must be smaller than the outer diameter"},
        {kWire, "W\t1\t0.6\t0.5",
         "u.tsv:2: the conductor diameter must be smaller than the outer diameter"},
    };
    for (const Case& c : cases) {
        Messages messages;
        const std::string text = "# header\n" + c.line + "\n";
        const std::size_t read = c.kind == kCore ? ReadCores(text, "u.tsv", messages).size()
                                 : c.kind == kMaterial
                                     ? ReadMaterials(text, "u.tsv", messages).size()
                                     : ReadWires(text, "u.tsv", messages).size();
        EXPECT_EQ(read, 0u) << c.message;
        ASSERT_EQ(messages.size(), 1u) << c.message;
        EXPECT_EQ(messages[0], c.message);
    }
}

// The files of the three readers.
enum class File { kCores, kMaterials, kWires };

// How many entries a file's text gives, with its messages.
std::size_t EntriesRead(File file, std::string_view text, Messages& messages) {
    switch (file) {
        case File::kCores:
            return ReadCores(text, "u.tsv", messages).size();
        case File::kMaterials:
            return ReadMaterials(text, "u.tsv", messages).size();
        case File::kWires:
            return ReadWires(text, "u.tsv", messages).size();
    }
    return 0;
}

struct RefusedLine {
    File file;
    std::string line;
    const char* message;
};

// Each line alone after a header: left out, with its one message.
void ExpectRefused(std::span<const RefusedLine> cases) {
    for (const RefusedLine& c : cases) {
        Messages messages;
        EXPECT_EQ(EntriesRead(c.file, "# header\n" + c.line + "\n", messages), 0u) << c.message;
        ASSERT_EQ(messages.size(), 1u) << c.message;
        EXPECT_EQ(messages[0], c.message);
    }
}

// Numbers no real part has, each named with its bound.
TEST(EntryLinesTest, NumbersOutsideTheBoundsOfRealPartsAreNamedWithTheBound) {
    constexpr File kCores = File::kCores;
    constexpr File kMaterials = File::kMaterials;
    constexpr File kWires = File::kWires;
    const RefusedLine cases[] = {
        {kCores, "R\tring\tA=1e300\tB=1\tC=5",
         "u.tsv:2: the dimension 'A=1e300' is not within 0.1 to 1000 mm"},
        {kCores, "R\tring\tA=2\tB=1\tC=0.09",
         "u.tsv:2: the dimension 'C=0.09' is not within 0.1 to 1000 mm"},
        {kCores, "U\tu\tA=80\tB=75\tC=30\tE=39\tR1=-1",
         "u.tsv:2: the dimension 'R1=-1' is not within 0 to 1000 mm"},
        {kMaterials, "M\tAcme\tferrite\t1e300",
         "u.tsv:2: the initial permeability '1e300' is not within 1 to 1000000"},
        {kMaterials, "M\tAcme\tferrite\t2000\t1e300:0.3",
         "u.tsv:2: the saturation temperature in '1e300:0.3' is not within -60 to 300 C"},
        {kMaterials, "M\tAcme\tferrite\t2000\t-60.5:0.5",
         "u.tsv:2: the saturation temperature in '-60.5:0.5' is not within -60 to 300 C"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t1000,100,3,1.5,2.5",
         "u.tsv:2: the Steinmetz f_max in '1000,100,3,1.5,2.5' is not above its f_min"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t-1000,100000,3,1.5,2.5",
         "u.tsv:2: the Steinmetz f_min in '-1000,100000,3,1.5,2.5' is not above 0 Hz"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t1,1.1e9,3,1.5,2.5",
         "u.tsv:2: the Steinmetz f_max in '1,1.1e9,3,1.5,2.5' is above 1000000000 Hz"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t1,2,1e300,1.5,2.5",
         "u.tsv:2: the Steinmetz k in '1,2,1e300,1.5,2.5' is not within 3.3e-16 to 1200000000"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t1,2,3e-16,1.5,2.5",
         "u.tsv:2: the Steinmetz k in '1,2,3e-16,1.5,2.5' is not within 3.3e-16 to 1200000000"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t1,2,3,1.5,2.5,1e300,0,0",
         "u.tsv:2: the Steinmetz ct0 in '1,2,3,1.5,2.5,1e300,0,0' is not within -2500 to 2500"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t1,2,3,1.5,2.5,1,-1e300,0",
         "u.tsv:2: the Steinmetz ct1 in '1,2,3,1.5,2.5,1,-1e300,0' is not within -52 to 52"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t1,2,3,1.5,2.5,1,0,-0.18",
         "u.tsv:2: the Steinmetz ct2 in '1,2,3,1.5,2.5,1,0,-0.18' is not within -0.17 to 0.17"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t\t1e300",
         "u.tsv:2: the Curie temperature '1e300' is not within -60 to 1200 C"},
        {kMaterials, "M\tAcme\tpowder\t60\t\t\t\tdefault:magnetics:bias=0.01,1e300,2",
         "u.tsv:2: the coefficients in 'default:magnetics:bias=0.01,1e300,2' are not within "
         "-130000000 to 130000000"},
        {kMaterials, "M\tAcme\tpowder\t60\t\t\t\t\tdefault:magnetics=27001,2,1.5",
         "u.tsv:2: the magnetics loss formula's a in 'default:magnetics=27001,2,1.5' is not "
         "within 0.0041 to 27000"},
        {kMaterials, "M\tAcme\tpowder\t60\t\t\t\t\tdefault:magnetics=1.5,2,27000",
         "u.tsv:2: the magnetics loss formula's c in 'default:magnetics=1.5,2,27000' is not "
         "within 0.5 to 4.5"},
        {kMaterials, "M\tAcme\tpowder\t60\t\t\t\t\tdefault:micrometals=0,0,1e-300,0",
         "u.tsv:2: the micrometals loss formula's c in 'default:micrometals=0,0,1e-300,0' is "
         "neither 0 nor within 2.5e-08 to 0.32"},
        {kWires, "W\t1\t1e300\t2e300",
         "u.tsv:2: the conductor diameter '1e300' is not within 0.01 to 100 mm"},
        {kWires, "W\t1\t99\t101", "u.tsv:2: the outer diameter '101' is not within 0.01 to 100 mm"},
    };
    ExpectRefused(cases);
}

// Only a kind's own letters, and nothing in any column that would hide or
// garble a part of the line where it is shown.
TEST(EntryLinesTest, ForeignLettersHiddenMarksAndCommentNamesAreNamed) {
    constexpr File kCores = File::kCores;
    constexpr File kMaterials = File::kMaterials;
    constexpr File kWires = File::kWires;
    const RefusedLine cases[] = {
        {kCores, "R\tring\tA=2\tB=1\tC=1\tZ=4",
         "u.tsv:2: the dimension Z is not one of kind ring (A, B, C)"},
        {kCores, "E\te\tA=20\tB=10\tC=5\tF=5\tG=4",
         "u.tsv:2: the dimension G is not one of kind e (A, B, C, D, E, F, R1, R2)"},
        {kCores, "U\tu\tA=80\tB=75\tC=30\tE=39\tF=20",
         "u.tsv:2: the dimension F is not one of kind u (A, B, C, D, E, R1, R2)"},
        {kCores, "N\xEF\xBB\xBF\tring\tA=2\tB=1\tC=1", "u.tsv:2: the name holds a byte order mark"},
        {kCores, "R\tring\tA=2\tB=1\x0B\tC=1",
         "u.tsv:2: the dimension in column 4 holds a control character"},
        {kCores,
         "R\tring\tA=2\tB=1\tC=\xEF\xBB\xBF"
         "1",
         "u.tsv:2: the dimension in column 5 holds a byte order mark"},
        {kCores, " #5\tring\tA=2\tB=1\tC=1",
         "u.tsv:2: the name starts with '#', which marks a comment line"},
        {kMaterials, "M\tAc\xEF\xBB\xBFme\tferrite\t2000",
         "u.tsv:2: the maker holds a byte order mark"},
        {kMaterials, "M\tAcme\tferrite\t2000\xEF\xBB\xBF",
         "u.tsv:2: the initial permeability holds a byte order mark"},
        {kMaterials, "M\tAcme\tferrite\t2000\t\t1,2,3,1.5,2.5\xC2\x9B",
         "u.tsv:2: the column of Steinmetz ranges holds a control character"},
        {kMaterials,
         "M\tAcme\tferrite\t2000\t\t\t\xFF"
         "200",
         "u.tsv:2: the Curie temperature is not valid UTF-8"},
        {kWires,
         "W\t\xEF\xBB\xBF"
         "1\t0.5\t0.6",
         "u.tsv:2: the grade holds a byte order mark"},
    };
    ExpectRefused(cases);
}

// Lines of the other families are held to the same rules as the classic
// ones: the family's letters only, each within its bounds, the letters it
// needs, a window for the winding and a bobbin that fits it.
TEST(EntryLinesTest, FamilyLinesNoRealPartCouldHaveAreNamed) {
    constexpr File kCores = File::kCores;
    const RefusedLine cases[] = {
        {kCores, "X\tetd\tA=19.6\tB=13.65\tC=7.4\tD=9.4\tE=14.9\tF=7.4\tG=3",
         "u.tsv:2: the dimension G is not one of kind etd (A, B, C, D, E, F)"},
        {kCores, "X\tpm\tA=49\tB=19\tC=23\tD=13\tE=39\tF=19\tG=23\tH=5\talpha=400",
         "u.tsv:2: the dimension 'alpha=400' is not within 0 to 360 degrees"},
        {kCores, "X\trm\tA=11.2\tB=5.2\tC=4.5\tD=3.6\tE=8.15\tF=3.8\tG=5.8",
         "u.tsv:2: the dimension J is missing (a core of kind rm needs A, B, C, D, E, F, G, J)"},
        {kCores, "X\tpq\tA=16\tB=8\tC=11\tD=4.6\tE=16\tF=6.5",
         "u.tsv:2: the window width E must be smaller than the overall width A"},
        {kCores, "X\tep\tA=6\tB=2\tC=3.8\tD=2\tE=4.4\tF=1.7\tK=0.9",
         "u.tsv:2: the window height D must be smaller than the height B of one half"},
        {kCores, "X\tetd\tA=19.6\tB=13.65\tC=7.4\tD=9.4\tE=14.9\tF=15",
         "u.tsv:2: the centre leg F must be narrower than the window width E"},
        {kCores, "X\tetd\tA=19.6\tB=13.65\tC=7.4\tD=9.4\tE=14.9\tF=7.4\tbobbin=3.8,15.9",
         "u.tsv:2: the bobbin 3.8,15.9 is larger than the core's window ((E-F)/2 by 2*D)"},
        {kCores, "X\tetd\tA=19.6\tB=13.65\tC=7.4\tD=9.4\tE=14.9\tF=7.4\tbobbin=2",
         "u.tsv:2: 'bobbin=2' is not bobbin=BREADTH,HEIGHT"},
        {kCores, "X\tetd\tA=19.6\tB=13.65\tC=7.4\tD=9.4\tE=14.9\tF=7.4\tbobbin=0,5",
         "u.tsv:2: the bobbin 'bobbin=0,5' is not within 0.1 to 1000 mm"},
        {kCores, "X\tring\tA=2\tB=1\tC=1\talias=", "u.tsv:2: 'alias=' names no alias"},
        {kCores, "X\tetd\tA=19.6\tB=13.65\tC=7.4\tD=9.4\tE=14.9\tF=7.4\tsubtype=1\tsubtype=2",
         "u.tsv:2: the subtype is given twice"},
    };
    ExpectRefused(cases);
}

// A mark an editor put before the first line is skipped; a second one is
// the first name's.
TEST(EntryLinesTest, OnlyTheByteOrderMarkBeforeTheFirstLineIsSkipped) {
    Messages messages;
    const std::vector<Core> cores =
        ReadCores("\xEF\xBB\xBFR 1\tring\tA=2\tB=1\tC=1\n", "u.tsv", messages);
    EXPECT_EQ(messages, Messages{});
    ASSERT_EQ(cores.size(), 1u);
    EXPECT_EQ(cores[0].name, "R 1");

    EXPECT_EQ(
        ReadCores("\xEF\xBB\xBF\xEF\xBB\xBFR 1\tring\tA=2\tB=1\tC=1\n", "u.tsv", messages).size(),
        0u);
    EXPECT_EQ(messages, Messages{"u.tsv:1: the name holds a byte order mark"});
}

// The edges that real parts reach are still read.
TEST(EntryLinesTest, PartsAtTheEdgesOfTheRulesAreRead) {
    Messages messages;
    EXPECT_EQ(ReadCores("E\te\tA=20\tB=10\tC=5\tF=9.99\n"
                        "U\tu\tA=40\tB=5\tC=5\tE=30.01\tR2=0\n"
                        "Кольцо\tring\tA=10\tB=9.99\tC=5\n",
                        "u.tsv", messages)
                  .size(),
              3u);
    EXPECT_EQ(ReadMaterials("M\tAcme\tferrite\t1\t-40:3\t1,2,1e-14,0.5,0.1 2,3,1e7,4.5,5\n",
                            "u.tsv", messages)
                  .size(),
              1u);
    EXPECT_EQ(ReadCores("Big\tring\tA=1000\tB=0.1\tC=0.1\n"
                        "E R\te\tA=20\tB=10\tC=5\tD=7\tE=15\tF=5\tR1=0\tR2=1000\n",
                        "u.tsv", messages)
                  .size(),
              2u);
    EXPECT_EQ(ReadMaterials("M\tAcme\tferrite\t1000000\t-60:0.5 300:0.1\t"
                            "0.001,1e9,3.3e-16,1.5,2.5,2500,-52,0.17 "
                            "1,2,1.2e9,1.5,2.5,-2500,52,-0.17\t1200\n"
                            "Cold\tAcme\tferrite\t2000\t\t\t-60\n"
                            "P\tAcme\tpowder\t60\t\t\t\tdefault:magnetics:bias=0.01,-1.3e8,2\t"
                            "default:magnetics=27000,5,4.5 E/ER/U:micrometals=0,0,0.32,3.2\n",
                            "u.tsv", messages)
                  .size(),
              3u);
    EXPECT_EQ(ReadWires("W\t0\t0.01\t0.0125\nBar\t1\t99\t100\n", "u.tsv", messages).size(), 2u);
    EXPECT_EQ(messages, Messages{});
}

TEST(EntryLinesTest, WritesLinesThatReadBack) {
    const char* const lines[] = {
        "E 25/13/7\te\tA=25.05\tB=12.55\tC=7.2\tD=8.95\tE=17.9\tF=7.25",
        "N87\tTDK\tferrite\t2309\t25:0.49525 100:0.3898\t"
        "1,100000,13824.103826607978,1.188950273156242,2.6264456146939663,0.009808497074635,"
        "0.00014772943887100001,7.149209522667017e-07",
        "PC95\tTDK\tferrite\t3300\t25:0.53 60:0.48 100:0.41 120:0.38\t",
        "Round 0.5 - FIW 4\t4\t0.5\t0.608",
        "N87\tTDK\tferrite\t2309\t25:0.49525 100:0.3898\t\t210\t\t",
        "Mix 2\tAcme\tpowder\t10\t\t\t\tEQ/LP:micrometals:bias=0.01,2e-09,1.4,0 "
        "EQ/LP:micrometals:frequency=0.2,2e-07,0.66,15 "
        "EQ/LP:micrometals:flux=350,4900,1.03,220,-1.98,140 "
        "EQ/LP:micrometals:temperature=-0.36,-0.011,0.031,0.0002,-0.0007\t"
        "default:micrometals=1.9e-06,0.000126,0.000226,0.00043",
    };
    Messages messages;
    EXPECT_EQ(CoreLine(ReadCores(lines[0], "c", messages).at(0)), lines[0]);
    for (int i : {1, 2, 4, 5}) {
        EXPECT_EQ(MaterialLine(ReadMaterials(lines[i], "m", messages).at(0)), lines[i]);
    }
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
    EXPECT_EQ(check(BuiltinCoresText(), ReadCores, CoreLine), 889u);
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
