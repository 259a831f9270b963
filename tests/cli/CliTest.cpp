#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "Cyrillic.h"

namespace {

struct CliCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
    std::string err;
    int status;
};

class CliTest : public testing::TestWithParam<CliCase> {};

TEST_P(CliTest, PrintsTheListByteForByte) {
    const CliRun run = RunCli(GetParam().arguments);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, GetParam().err);
    EXPECT_EQ(run.status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, CliTest,
    testing::Values(
        CliCase{"RingChoke",
                {"--separator", ",",    "--core", "ring", "--mode",  "choke", "--d1",
                 "20",          "--d2", "10",     "--h",  "10",      "--gap", "0.5",
                 "--mu",        "2000", "--db",   "0.3",  "--turns", "20"},
                "Зазор=0,5 мм\n"
                "Сечение=0,5 см2\n"
                "Длина магнитной линии=4,71 см\n"
                "Проницаемость=2000\n"
                "dB инд. нассыщения=0,3\n"
                "\n"
                "\n"
                "         Режим работы: Дроссель\n"
                "Магнитопровод кольцо\n"
                "Прониц с зазором=90\n"
                "Индуктивность=0,04966 MГн\n"
                "Зазор=0,5 мм\n"
                "Число витков дросселя=20\n"
                "Максимальный ток дросселя=6,041 А\n"
                "Рекомендуемый диаметр проводане не менее=1,048 мм\n"
                " \n"
                "Внимание: магнитопровод кольцо. Точно есть зазор=0,5 мм?\n",
                "",
                0},
        CliCase{"ShapedFlyback",
                {"--separator=,", "--core=e", "--h1=15", "--h2=20", "--l1=10", "--l2=5",
                 "--gap=0.5", "--mu=2000", "--db=0.3", "--mode=flyback", "--pulse=10", "--vin=300",
                 "--vout=12", "--overshoot=400"},
                "Напряжение первички=300\n"
                "Напряжение вторички=12\n"
                "Напряжение выброса обраноходовой=400\n"
                "Зазор=0,5 мм\n"
                "Длительность импульса= 10 МкСек\n"
                "Сечение=0,5 см2\n"
                "Длина магнитной линии=5 см\n"
                "Проницаемость=2000\n"
                "dB инд. нассыщения=0,3\n"
                "\n"
                "\n"
                "         Режим работы: Обратноходовой\n"
                "Магнитопровод Ш образный\n"
                "Количество витков первички=200\n"
                "Прониц с зазором=95,2\n"
                "Индуктивность первички=4,95238 MГн\n"
                "Зазор=0,5 мм\n"
                "Максимальный импульсный ток через силовой тразистор=0,606 А\n"
                "Количество витков вторички=26\n"
                "Максимальное напряжение на транзисторе=401,5\n"
                "Время импульса=10 МкСек\n"
                "Время паузы=30 МкСек\n"
                "Рекомендуемая частота=25 КГц\n",
                "",
                0},
        CliCase{"ShapedSingleEnded",
                {"--separator", ",",           "--core", "e",  "--h1",  "20",   "--h2",   "50",
                 "--l1",        "10",          "--l2",   "10", "--mu",  "2000", "--db",   "0.2",
                 "--mode",      "Однотактный", "--freq", "50", "--vin", "300",  "--vout", "12"},
                "Напряжение первички=300\n"
                "Напряжение вторички=12\n"
                "Зазор=0 мм\n"
                "Частота=50 КГц\n"
                "Сечение=1 см2\n"
                "Длина магнитной линии=10 см\n"
                "Проницаемость=2000\n"
                "dB инд. нассыщения=0,2\n"
                "\n"
                "\n"
                "         Режим работы: Однотактный\n"
                "Магнитопровод Ш образный\n"
                "Длительность импульса=9 МкСек\n"
                "Длительность паузы=11 МкСек\n"
                "Число витков первички=136\n"
                "Индуктивность первички=48,0896 MГн\n"
                "Число витков вторички=12\n"
                "Напряжение на вторичке=11,9118\n"
                "Число витков вторички  с учетом несоответствия расчету=13\n"
                "Напряжение на вторичке=12,9044\n"
                "Напряжение на 1 витке=1,80481 Вольт\n"
                "Импульсный ток при холостом ходе=0,056 A\n"
                "Минимальная длительность импульса=9,06667 МкСек\n"
                "Минммальная длительность паузы=11,081МкСек\n"
                "При данных параметрах трансформатора\n"
                "Минимально-возиожная частота =49,632 КГц\n",
                "",
                0},
        CliCase{"ShapedPushPullWithPoint",
                {"--separator", ".",         "--core", "u",  "--h1",  "20",   "--h2",   "30",
                 "--l1",        "10",        "--l2",   "10", "--mu",  "2000", "--db",   "0.2",
                 "--mode",      "push-pull", "--freq", "50", "--vin", "240",  "--vout", "12"},
                "Напряжение первички=240\n"
                "Напряжение вторички=12\n"
                "Зазор=0 мм\n"
                "Частота=50 КГц\n"
                "Сечение=1 см2\n"
                "Длина магнитной линии=10 см\n"
                "Проницаемость=2000\n"
                "dB инд. нассыщения=0.2\n"
                "\n"
                "\n"
                "         Режим работы: Двухтактный\n"
                "Магнитопровод П образный\n"
                "Длительность импульса=10 МкСек\n"
                "Число витков первички=60\n"
                "Индуктивность первички=9.36 MГн\n"
                "Число витков вторички=3\n"
                "Напряжение на вторичке=12\n"
                "Напряжение на 1 витке=4 Вольт\n"
                "Импульсный ток при холостом ходе=0.128 A\n"
                "Минимальная длительность импульса=10 МкСек\n"
                "При данных параметрах трансформатора\n"
                "Минимально-возиожная частота =50 КГц\n",
                "",
                0}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Endings, CliTest,
    testing::Values(
        CliCase{"RingWithoutModeIsRed",
                {"--separator", ",", "--core", "ring", "--d1", "20", "--d2", "10", "--h", "10"},
                "Зазор=0 мм\nДлительность импульса= 0 МкСек\nСечение=0,5 см2\n"
                "Длина магнитной линии=4,71 см\n\n\nВведите режим \n"
                "Магнитопровод кольцо\nИндукция насыщения dB не может равняться 0\n"
                "Введены не все данные, расчет не возможен\n \n",
                "",
                3},
        CliCase{"ConversionError",
                {"--separator", ",", "--mu", "2000", "--db", "0,3x"},
                "",
                "'0,3x' is not a valid floating point value.\n",
                2},
        CliCase{"PointSeparatorRejectsAComma",
                {"--separator", ".", "--gap", "0,5"},
                "",
                "'0,5' is not a valid floating point value.\n",
                2},
        CliCase{"FaultInThePassKeepsItsLines",
                {"--separator", ",", "--mode", "choke", "--core", "ring", "--d1", "20", "--d2",
                 "10", "--h", "10", "--db", "0.3", "--turns", "20"},
                "Зазор=0 мм\nСечение=0,5 см2\nДлина магнитной линии=4,71 см\n"
                "dB инд. нассыщения=0,3\n\n\n         Режим работы: Дроссель\n"
                "Магнитопровод кольцо\nПрониц с зазором=0\nИндуктивность=0 MГн\nЗазор=0 мм\n"
                "Число витков дросселя=20\n",
                "Floating point division by zero.\n",
                2},
        CliCase{
            "LastRepeatedOptionWins",
            {"--separator", ",", "--mode", "flyback", "--mode", "choke", "--gap", "1", "--gap=2"},
            "Зазор=2 мм\n\n\n         Режим работы: Дроссель\n"
            "Индукция насыщения dB не может равняться 0\n"
            "Введены не все данные, расчет не возможен\n",
            "",
            3},
        CliCase{"AnyOtherModeTextIsTakenAsItIs",
                {"--separator", ",", "--mode", "boost"},
                "Зазор=0 мм\nДлительность импульса= 0 МкСек\n\n\n         Режим работы: boost\n"
                "Индукция насыщения dB не может равняться 0\n"
                "Введены не все данные, расчет не возможен\n",
                "",
                3}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Usage, CliTest,
    testing::Values(
        CliCase{"UnknownOption",
                {"--bogus"},
                "",
                "transcalc-cli: unknown option '--bogus'\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{
            "BadCore",
            {"--core", "toroid"},
            "",
            "transcalc-cli: --core takes a core family (ring, e, u, etd, er, ec, efd, eq, lp, "
            "planar-e, planar-er, planar-el, rm, pot, pm, pq, pqi, ep, epx, ur, ui, ut, c), not "
            "'toroid'\nTry 'transcalc-cli --help'.\n",
            64},
        CliCase{"MissingValue",
                {"--gap"},
                "",
                "transcalc-cli: --gap needs a value\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"BadSeparator",
                {"--separator", ";"},
                "",
                "transcalc-cli: --separator takes \",\" or \".\", not ';'\nTry 'transcalc-cli "
                "--help'.\n",
                64},
        CliCase{"Positional",
                {"ring"},
                "",
                "transcalc-cli: unexpected argument 'ring'\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"UnknownCoreName",
                {"--core-name", "E 25/13/8"},
                "",
                "transcalc-cli: no core 'E 25/13/8' in the catalogue; closest: 'E 25/13/7', "
                "'E 25/13/11', 'E 20/10/5'\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"FamilyWithoutItsCore",
                {"--core", "etd"},
                "",
                "transcalc-cli: --core etd needs --core-name: such a core is known by its "
                "catalogue name\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"DimensionOfAFamilyCore",
                {"--core-name", "ETD 39", "--h1", "5"},
                "",
                "transcalc-cli: the dimension options (--d1, --d2, --h, --h1, --h2, --l1, --l2) "
                "do not apply: the core 'ETD 39/20/13' takes its dimensions from the "
                "catalogue\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"FamilyOtherThanTheNamedCore",
                {"--core", "e", "--core-name", "ETD 39"},
                "",
                "transcalc-cli: the core 'ETD 39/20/13' is of the family etd, not e\nTry "
                "'transcalc-cli --help'.\n",
                64},
        CliCase{"UnknownMaterial",
                {"--material=n87"},
                "",
                "transcalc-cli: no material 'n87' in the catalogue; closest: 'N87', 'N27', "
                "'N88'\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"BadList",
                {"--list", "shapes"},
                "",
                "transcalc-cli: --list takes cores, materials or wires, not 'shapes'\nTry "
                "'transcalc-cli --help'.\n",
                64},
        CliCase{"MissingValueAtTheEnd",
                {"--mu", "2000", "--d1=20", "--vin"},
                "",
                "transcalc-cli: --vin needs a value\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"UnknownOptionWithValue",
                {"--gap", "1", "--bogus=5", "x"},
                "",
                "transcalc-cli: unknown option '--bogus'\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"ShortOption",
                {"-h"},
                "",
                "transcalc-cli: unexpected argument '-h'\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"CoreTakesOneValue",
                {"--core", "ring", "e"},
                "",
                "transcalc-cli: unexpected argument 'e'\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"FlagWithValue",
                {"--json=1"},
                "",
                "transcalc-cli: --json takes no value\nTry 'transcalc-cli --help'.\n",
                64},
        CliCase{"EmptySeparator",
                {"--separator="},
                "",
                "transcalc-cli: --separator takes \",\" or \".\", not ''\nTry 'transcalc-cli "
                "--help'.\n",
                64},
        CliCase{"EmptyDesignName",
                {"--design", ""},
                "",
                "transcalc-cli: --design takes a file name, not an empty text\nTry "
                "'transcalc-cli --help'.\n",
                64},
        CliCase{"EmptySaveName",
                {"--gap", "1", "--save-design="},
                "",
                "transcalc-cli: --save-design takes a file name, not an empty text\nTry "
                "'transcalc-cli --help'.\n",
                64},
        CliCase{"EmptyReportName",
                {"--report", "", "--gap", "1"},
                "",
                "transcalc-cli: --report takes a file name, not an empty text\nTry "
                "'transcalc-cli --help'.\n",
                64}),
    [](const auto& info) { return info.param.name; });

// An option that the run does not take is named, before anything runs: the
// adviser's own without --advise, all but --core and --json with --list, and
// with --advise what the search chooses itself or its mode does not read.
// A search whose mode lacks a field it reads is refused the same way.
std::vector<std::string> Search(const char* mode, std::vector<std::string> more) {
    std::vector<std::string> arguments = {"--advise", "--mode", mode, "--material", "N87"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

CliCase Refused(const char* name, std::vector<std::string> arguments, const std::string& message) {
    return {name, std::move(arguments), "",
            "transcalc-cli: " + message + "\nTry 'transcalc-cli --help'.\n", 64};
}

const std::vector<std::string> kChokeSearch = {"--inductance", "1", "--current", "3"};
const std::vector<std::string> kFlybackSearch = {"--load-current", "1",  "--vin",   "300",
                                                 "--vout",         "12", "--pulse", "10"};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Scope, CliTest,
    testing::Values(
        Refused("MarginWithoutAdvise", {"--margin", "5"}, "--margin applies to --advise only"),
        Refused("LimitWithoutAdviseAsGiven", {"--gap", "1", "--limit=3"},
                "--limit applies to --advise only"),
        Refused("ListTakesNoMode", {"--list", "cores", "--mode", "choke"},
                "--mode does not apply to --list"),
        Refused("ListTakesNoSeparator", {"--list", "wires", "--separator", ","},
                "--separator does not apply to --list"),
        Refused("AdviseTakesNoList", Search("choke", {"--list", "cores"}),
                "--list does not apply to --advise"),
        Refused("AdviseChoosesDb", Search("choke", Joined(kChokeSearch, {"--db", "0.3"})),
                "--db: --advise chooses dB itself"),
        Refused("AdviseTakesTheMaterialsPermeability", Search("choke", {"--mu", "2000"}),
                "--mu: --advise takes the permeability from the material"),
        Refused("AdviseTakesTheCataloguesDimensions", Search("push-pull", {"--h1", "10"}),
                "--h1: --advise takes the dimensions from the catalogue's cores"),
        Refused("AdviseChoosesTheTurns", Search("choke", {"--turns", "20"}),
                "--turns: --advise chooses the turns itself"),
        Refused("AdviseTakesNoCoreName", Search("choke", {"--core-name", "E 25/13/7"}),
                "--core-name: --advise searches every core of the kinds that --core gives"),
        Refused("AdviseTakesNoCheck", Search("choke", {"--check"}),
                "--check: --advise checks every design it tries"),
        Refused("AdviseWritesNoReport", Search("choke", {"--report", "r.pdf"}),
                "--report: --advise saves no design and writes no report"),
        Refused("FlybackSearchChoosesTheGap", Search("flyback", {"--gap", "0.5"}),
                "--gap does not apply to --advise --mode flyback"),
        Refused("ChokeSearchReadsNoVoltage", Search("choke", {"--vin", "12"}),
                "--vin does not apply to --advise --mode choke"),
        Refused("ForwardSearchTakesNoInductance", Search("push-pull", {"--inductance", "1"}),
                "--inductance does not apply to --advise --mode push-pull"),
        Refused("ChokeSearchTakesNoLoadCurrent", Search("choke", {"--load-current", "1"}),
                "--load-current does not apply to --advise --mode choke"),
        Refused("FlybackSearchNeedsTheOvershoot", Search("flyback", kFlybackSearch),
                "--advise --mode flyback needs --overshoot"),
        Refused("PushPullSearchNeedsTheOutputVoltage",
                Search("push-pull", {"--load-current", "1", "--vin", "300", "--freq", "100"}),
                "--advise --mode push-pull needs --vout"),
        Refused("SingleEndedSearchNeedsAPositiveOutput",
                Search("single-ended",
                       {"--load-current", "1", "--vin", "300", "--freq", "100", "--vout", "0.0"}),
                "--advise --mode single-ended needs --vout above 0, not '0.0'")),
    [](const auto& info) { return info.param.name; });

TEST(CliJsonTest, PrintsOneObjectWithTheState) {
    const CliRun run = RunCli(
        {"--json", "--separator", ",", "--core", "ring", "--d1", "20", "--d2", "10", "--h", "10"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("{\"lines\": [\"Зазор=0 мм\", \"Длительность импульса= 0 МкСек\", ", 0),
              0u)
        << run.out;
    for (const char* part :
         {"\"Введите режим \", \"Магнитопровод кольцо\"", "\"colour\": \"red\", \"error\": null",
          "\"CoreArea\": 0.5, \"PathLength\": 4.7123889803846897,", "\"RingD1\": 2,",
          "\"ResultsPending\": false, \"Mode\": \"\"}, \"core_family\": \"ring\"}\n"}) {
        EXPECT_NE(run.out.find(part), std::string::npos) << part;
    }
}

TEST(CliJsonTest, PutsTheErrorInTheObjectOnly) {
    const CliRun run = RunCli({"--json", "--separator", ",", "--mu", "\"2\""});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\"error\": \"'\\\"2\\\"' is not a valid floating point value.\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"colour\": \"default\""), std::string::npos);
}

// A mode text that is no UTF-8 still prints, each bad byte as U+FFFD, and
// the output stays JSON that reads back.
TEST(CliJsonTest, PrintsTextsThatAreNotUtf8) {
    const CliRun run = RunCli({"--json", "--separator", ",", "--mode", "a\xFF\xC3(\tb\x01"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\"         Режим работы: a\xEF\xBF\xBD\xEF\xBF\xBD(\\tb\\u0001\""),
              std::string::npos)
        << run.out;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["state"]["Mode"], "a\xEF\xBF\xBD\xEF\xBF\xBD(\tb\x01");
    EXPECT_EQ(json["colour"], "red");
}

// A scratch folder for design files, removed with its contents.
class CliDesignTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cli-design-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const char* name) const { return (folder_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path folder_;
};

TEST_F(CliDesignTest, ASavedDesignGivesTheSameResults) {
    const std::vector<std::vector<std::string>> designs = {
        {"--core", "ring", "--d1", "20", "--d2", "10", "--h", "10", "--gap", "0.5", "--mu", "2000",
         "--db", "0.3", "--mode", "choke", "--turns", "20"},
        {"--core=e", "--h1=15", "--h2=20", "--l1=10", "--l2=5", "--gap=0.5", "--mu=2000",
         "--db=0.3", "--mode=flyback", "--pulse=10", "--vin=300", "--vout=12", "--overshoot=400"},
        {"--core", "u",    "--h1",  "20",   "--h2",   "30",    "--l1",   "10",
         "--l2",   "10",   "--mu",  "2000", "--db",   "0,2",   "--mode", "Двухтактный",
         "--freq", " 5e1", "--vin", "240",  "--vout", "\"12\""},
        // A core beyond the classic three is kept by its family and name.
        {"--core-name", "PQ 32/30", "--mu", "2000", "--db", "0,2", "--mode", "push-pull", "--freq",
         "100", "--vin", "48", "--vout", "12"},
    };
    for (std::vector<std::string> arguments : designs) {
        arguments.insert(arguments.begin(), {"--separator", ","});
        const CliRun direct = RunCli(arguments);
        arguments.insert(arguments.end(), {"--save-design", Path("d.transcalc")});
        const CliRun saving = RunCli(arguments);
        const CliRun fromFile = RunCli({"--separator", ",", "--design", Path("d.transcalc")});
        EXPECT_EQ(saving.out, direct.out);
        EXPECT_EQ(saving.status, direct.status);
        EXPECT_EQ(fromFile.out, direct.out);
        EXPECT_EQ(fromFile.err, direct.err);
        EXPECT_EQ(fromFile.status, direct.status);
    }
}

TEST_F(CliDesignTest, OptionsWinOverTheDesignWhereverTheyStand) {
    RunCli({"--core", "ring", "--gap", "1", "--mode", "choke", "--mu", "2000", "--save-design",
            Path("d.transcalc")});
    const CliRun run = RunCli({"--separator", ",", "--gap", "2", "--design", Path("d.transcalc"),
                               "--core", "e", "--mode", "boost"});
    EXPECT_EQ(run.out,
              "Зазор=2 мм\nДлительность импульса= 0 МкСек\nПроницаемость=2000\n\n\n"
              "         Режим работы: boost\nМагнитопровод Ш образный\n"
              "Индукция насыщения dB не может равняться 0\n"
              "Введены не все данные, расчет не возможен\n");
    EXPECT_EQ(run.status, 3);
}

TEST_F(CliDesignTest, RefusesADesignFileItCannotRead) {
    RunCli({"--core", "ring", "--mode", "choke", "--save-design", Path("whole.transcalc")});
    const std::string whole = Read(Path("whole.transcalc"));
    std::ofstream(Path("cut.transcalc"), std::ios::binary) << whole.substr(0, 300);
    std::string future = whole;
    future.replace(future.find("\"version\": 1"), 12, "\"version\": 2");
    std::ofstream(Path("future.transcalc"), std::ios::binary) << future;

    std::string tab = whole;
    tab.replace(tab.find("\"gap\": \"0\""), 10, "\"gap\": \"0\\t\"");
    std::ofstream(Path("tab.transcalc"), std::ios::binary) << tab;

    const std::pair<const char*, std::string> cases[] = {
        {"cut.transcalc", "not JSON: unexpected end of the text in a string at line 15, column 14"},
        {"tab.transcalc", "\"fields\".\"gap\" holds a control character"},
        {"future.transcalc",
         "format version 2 comes from a newer Transcalc; this one reads version 1 only"},
        {"none.transcalc", "No such file or directory"},
    };
    for (const auto& [name, reason] : cases) {
        const CliRun run = RunCli({"--gap", "1", "--design", Path(name)});
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "transcalc-cli: Design file \"" + Path(name) + "\": " + reason + "\n");
        EXPECT_EQ(run.status, 64);
    }
}

// Whatever follows a field option is its text, even when it looks like an
// option; of two names of one field the last given counts.
TEST_F(CliDesignTest, SavesFieldTextsExactlyAsGiven) {
    const struct {
        std::vector<std::string> arguments;
        std::vector<std::string> lines;
    } cases[] = {
        {{"--vin", "-5", "--vout", "-.5", "--db", "-x", "--mu", "--turns", "--gap", " 1,5e-3 "},
         {R"("voltageIn": "-5")", R"("voltageOut": "-.5")", R"("satInduction": "-x")",
          R"("permeability": "--turns")", R"("gap": " 1,5e-3 ")", R"("chokeTurns": "")"}},
        {{"--d1=-", "--overshoot", "[1,2]", "--freq", "--", "--l2=a=b", "--vin", "",
          "--vout=", "--db", "--mu"},
         {R"("dimension1": "-")", R"("overshoot": "[1,2]")", R"("frequencyOrPulse": "--")",
          R"("dimension4": "a=b")", R"("voltageIn": "")", R"("voltageOut": "")",
          R"("satInduction": "--mu")"}},
        {{"--h1", "6", "--d1", "5", "--l1", "3", "--h", "4", "--pulse", "9", "--freq=8"},
         {R"("dimension1": "5")", R"("dimension3": "4")", R"("frequencyOrPulse": "8")"}},
        {{"--d1", "5", "--h1", "6", "--h", "4", "--l1", "3", "--freq", "8", "--pulse", "9"},
         {R"("dimension1": "6")", R"("dimension3": "3")", R"("frequencyOrPulse": "9")"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(),
                         {"--separator", ",", "--save-design", Path("d.transcalc")});
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.err.find("transcalc-cli:"), std::string::npos) << run.err;
        const std::string saved = Read(Path("d.transcalc"));
        for (const std::string& line : c.lines) {
            EXPECT_NE(saved.find(line), std::string::npos) << line << "\n" << saved;
        }
    }
}

TEST_F(CliDesignTest, RefusesToSaveAFieldWithAControlCharacter) {
    const CliRun run =
        RunCli({"--separator", ",", "--gap", "1\t", "--save-design", Path("d.transcalc")});
    EXPECT_EQ(run.err, "'1\t' is not a valid floating point value.\ntranscalc-cli: Design file \"" +
                           Path("d.transcalc") +
                           "\" not written: \"fields\".\"gap\" holds a control character\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(std::filesystem::exists(Path("d.transcalc")));
}

TEST_F(CliDesignTest, ReportsADesignThatCannotBeSaved) {
    const CliRun run =
        RunCli({"--separator", ",", "--gap", "1", "--save-design", Path("no/d.transcalc")});
    EXPECT_EQ(run.out,
              "Зазор=1 мм\nДлительность импульса= 0 МкСек\n\n\nВведите режим \n"
              "Индукция насыщения dB не может равняться 0\n"
              "Введены не все данные, расчет не возможен\n");
    EXPECT_EQ(run.err, "transcalc-cli: Design file \"" + Path("no/d.transcalc") +
                           "\" not saved: No such file or directory\n");
    EXPECT_EQ(run.status, 2);
}

// --save-design and --report replace a regular file, or the one a link
// points to, and nothing else: a FIFO, folder or device is named, left as it
// was, and the run exits 2.
TEST_F(CliDesignTest, OnlyARegularFileIsReplaced) {
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0644), 0);
    std::filesystem::create_directory(Path("folder"));
    const bool device = geteuid() == 0 && mknod(Path("null").c_str(), S_IFCHR | 0666,
                                                makedev(1, 3)) == 0;  // a /dev/null of our own
    std::ofstream(Path("old"), std::ios::binary) << "old";
    std::filesystem::create_symlink("old", Path("link"));
    // Qt's own note about a missing runtime folder stays out of stderr.
    ASSERT_EQ(mkdir(Path("runtime").c_str(), 0700), 0);
    const std::vector<std::string> environment = {"XDG_RUNTIME_DIR=" + Path("runtime")};
    struct Case {
        const char* name;
        std::string reason;  // empty: written
    };
    std::vector<Case> cases = {
        {"fifo", "not a regular file"}, {"folder", "Is a directory"}, {"link", ""}};
    if (device) {
        cases.push_back({"null", "not a regular file"});
    }
    const std::vector<std::string> design = {"--core", "ring", "--mode", "choke", "--d1", "20"};
    for (const Case& c : cases) {
        for (const char* option : {"--save-design", "--report"}) {
            std::vector<std::string> arguments = design;
            arguments.insert(arguments.end(), {option, Path(c.name)});
            const CliRun run = RunCli(arguments, environment);
            const bool report = std::string_view(option) == "--report";
            const std::string expected = c.reason.empty() ? ""
                                         : report ? "transcalc-report: Report \"" + Path(c.name) +
                                                        "\" not written: " + c.reason + "\n"
                                                  : "transcalc-cli: Design file \"" + Path(c.name) +
                                                        "\" not saved: " + c.reason + "\n";
            EXPECT_EQ(run.err, expected) << option << " " << c.name;
            EXPECT_EQ(run.status, c.reason.empty() ? 3 : 2) << option << " " << c.name;
        }
    }
    struct stat status {};
    EXPECT_TRUE(stat(Path("fifo").c_str(), &status) == 0 && S_ISFIFO(status.st_mode));
    EXPECT_TRUE(std::filesystem::is_empty(Path("folder")));
    EXPECT_TRUE(!device || (stat(Path("null").c_str(), &status) == 0 && S_ISCHR(status.st_mode)));
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link")));
    EXPECT_EQ(Read(Path("old")).substr(0, 5), "%PDF-");  // the report came last
}

// A file name is bytes: one that is no UTF-8, or as long as a name may be,
// is written under exactly that name.
TEST_F(CliDesignTest, FileNamesAreKeptByteForByte) {
    const std::string longName(255, 'd');
    const CliRun saved = RunCli({"--core", "ring", "--save-design", Path(longName.c_str())});
    EXPECT_EQ(saved.status, 3) << saved.err;
    const CliRun reported = RunCli({"--core", "ring", "--report", Path("r\xFF\xE9.pdf")});
    EXPECT_EQ(reported.status, 3) << reported.err;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{longName, "r\xFF\xE9.pdf"}));
}

// A report program that ends before it has read the design fails the
// report; the broken pipe does not end the command line.
TEST_F(CliDesignTest, AReportProgramThatEndsEarlyFailsTheReport) {
    namespace fs = std::filesystem;
    // The command line runs the report program found beside itself.
    fs::copy_file(TRANSCALC_CLI, Path("transcalc-cli"));
    std::ofstream(Path("transcalc-report")) << "#!/bin/sh\nexit 1\n";
    fs::permissions(Path("transcalc-report"), fs::perms::owner_all);
    // A design larger than a pipe holds, so that the write meets the closed end.
    const CliRun run = RunProgram(
        Path("transcalc-cli").c_str(),
        {"--core", "ring", "--mode", std::string(100000, 'x'), "--report", Path("r.pdf")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(fs::exists(Path("r.pdf")));
}

// A design is saved or reported only when its check could run; nothing is
// written, and the results are printed as always.
TEST_F(CliDesignTest, ADesignItCouldNotCheckIsNeitherSavedNorReported) {
    const CliRun run = RunCli({"--core", "ring", "--mode", "choke", "--ripple", "1",
                               "--save-design", Path("d.transcalc"), "--report", Path("r.pdf")});
    EXPECT_EQ(run.err, "transcalc-cli: Design file \"" + Path("d.transcalc") +
                           "\" not written: the ripple needs the switching frequency\n"
                           "transcalc-cli: Report \"" +
                           Path("r.pdf") +
                           "\" not written: the ripple needs the switching frequency\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

// The report program ends every refusal with its message and status 2: a
// design whose check it cannot run, and standard input beyond the bound of a
// design file, even when what comes after the design is only blanks.
TEST_F(CliDesignTest, TheReportProgramRefusesWhatItCannotDraw) {
    ASSERT_EQ(RunCli({"--core", "ring", "--mode", "choke", "--ripple", "1", "--check-freq", "100",
                      "--save-design", Path("d.transcalc")})
                  .status,
              3);
    const std::string design = Read(Path("d.transcalc"));
    std::string noFrequency = design;
    const std::string frequency = "\"frequencyKHz\": 100";
    noFrequency.replace(noFrequency.find(frequency), frequency.size(), "\"frequencyKHz\": null");
    const struct {
        std::string input;
        std::string reason;
    } cases[] = {
        {noFrequency, "the ripple needs the switching frequency"},
        {design + std::string(5 * 1024 * 1024, ' '), "too large for a design"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunProgram(
            TRANSCALC_REPORT, {"--separator", ",", "--output", Path("r.pdf"), "--check", "yes"}, {},
            c.input);
        EXPECT_EQ(run.err, "transcalc-report: Design file \"standard input\": " + c.reason + "\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_FALSE(std::filesystem::exists(Path("r.pdf")));
    }
}

// The page is drawn offscreen whatever platform the environment names: here
// one that needs a display, and there is none.
TEST_F(CliDesignTest, TheReportNeedsNoDisplayWhateverThePlatform) {
    ASSERT_EQ(mkdir(Path("runtime").c_str(), 0700), 0);
    const CliRun run = RunCli({"--core", "ring", "--mode", "choke", "--report", Path("r.pdf")},
                              {"QT_QPA_PLATFORM=xcb", "XDG_RUNTIME_DIR=" + Path("runtime")});
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(Read(Path("r.pdf")).substr(0, 5), "%PDF-");
}

TEST_F(CliDesignTest, ADesignHoldsOneCoreKind) {
    const CliRun run =
        RunCli({"--core", "ring", "--core", "u", "--save-design", Path("d.transcalc")});
    EXPECT_EQ(run.err,
              "transcalc-cli: a design holds one core kind: give --core once\n"
              "Try 'transcalc-cli --help'.\n");
    EXPECT_EQ(run.status, 64);
    EXPECT_FALSE(std::filesystem::exists(Path("d.transcalc")));
}

// The catalogue core's name is saved only while the design still has that core.
TEST_F(CliDesignTest, TheCatalogueNameStaysOnlyWithItsCore) {
    RunCli({"--core-name", "E 25/13/7", "--save-design", Path("a.transcalc")});
    const auto saved = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--save-design", Path("b.transcalc")});
        RunCli(arguments);
        const std::string text = Read(Path("b.transcalc"));
        const std::string key = "\"catalogueCore\": \"";
        const std::size_t start = text.find(key) + key.size();
        return text.substr(start, text.find('"', start) - start);
    };
    EXPECT_EQ(saved({"--design", Path("a.transcalc")}), "E 25/13/7");
    EXPECT_EQ(saved({"--design", Path("a.transcalc"), "--gap", "0.2", "--mode", "choke"}),
              "E 25/13/7");
    EXPECT_EQ(saved({"--design", Path("a.transcalc"), "--h1", "13"}), "");
    EXPECT_EQ(saved({"--design", Path("a.transcalc"), "--core", "ring"}), "");
    EXPECT_EQ(saved({"--core-name", "E 25/13/7", "--l2", "9"}), "");
    EXPECT_EQ(saved({"--core-name", "E 25/13/7", "--mu", "2000"}), "E 25/13/7");
    // A core named by its alias is saved by its own name.
    EXPECT_EQ(saved({"--core-name", "E 25/7"}), "E 25/13/7");
}

// The catalogue's core and material give the field texts that a user would
// type: E 25/13/7 is H1 12,55, H2 25,05, L1 7,25, L2 7,2; N87 is 2309 and
// the working flux 0,312 T, 0.8 of its 0.3898 T at 100 °C.
TEST(CliCatalogueTest, CoreAndMaterialRunAsTypedByHand) {
    const CliRun catalogue = RunCli({"--separator", ",", "--core-name", "E 25/13/7", "--material",
                                     "N87", "--mode", "choke", "--turns", "20", "--gap", "0.2"});
    const CliRun typed =
        RunCli({"--separator", ",",     "--core",  "e",   "--h1",  "12,55", "--h2", "25,05",
                "--l1",        "7,25",  "--l2",    "7,2", "--mu",  "2309",  "--db", "0,312",
                "--mode",      "choke", "--turns", "20",  "--gap", "0.2"});
    EXPECT_EQ(catalogue.status, 0);
    EXPECT_EQ(catalogue.err, "");
    EXPECT_EQ(catalogue.out, typed.out);
    EXPECT_EQ(catalogue.out.substr(0, catalogue.out.find("\n\n")),
              "Зазор=0,2 мм\n"
              "Сечение=0,522 см2\n"
              "Длина магнитной линии=5,35 см\n"
              "Проницаемость=2309\n"
              "dB инд. нассыщения=0,312");
}

TEST(CliCatalogueTest, TypedFieldsWinWhereverTheyStand) {
    const std::vector<std::vector<std::string>> lines = {
        {"--mu", "3000", "--material", "N87", "--core-name", "T 25/15/10", "--d1", "30"},
        {"--d1=30", "--material", "N87", "--mu", "3000", "--core-name", "T 25/15/10"},
    };
    for (std::vector<std::string> arguments : lines) {
        arguments.insert(arguments.end(), {"--separator", ".", "--mode", "choke"});
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(
            run.out.substr(0, run.out.find("\n\n")),
            "Зазор=0 мм\n"
            "Сечение=0.75 см2\n"  // (30 - 15) / 2 * 10 mm²: D1 typed, D2 and H from T 25/15/10
            "Длина магнитной линии=7.07 см\n"
            "Проницаемость=3000\n"
            "dB инд. нассыщения=0.312")
            << arguments[0];
    }
}

TEST(CliCatalogueTest, ListsTheCatalogue) {
    struct Case {
        std::vector<std::string> arguments;
        std::size_t lines;
        const char* firstTwo;
    };
    const Case cases[] = {
        {{"--list", "cores", "--core", "u"},
         36,
         "# name\tkind\tdimensions in mm, LETTER=value\n"
         "U 10/8/3\tu\tA=9.9\tB=8.2\tC=2.85\tD=5\tE=4.15\talias=U 10\n"},
        {{"--list=cores"},
         890,
         "# name\tkind\tdimensions in mm, LETTER=value\nT 1.78/0.89/0.76\tring\tA=1.78\tB=0."
         "89\tC=0.76\talias=T 1.78\n"},
        {{"--list", "materials"},
         310,
         "# name\tmaker\tcomposition\tinitial permeability at 25 C\tsaturation, C:T ...\t"
         "Steinmetz ranges, f_min,f_max,k,alpha,beta[,ct0,ct1,ct2] ...\tCurie temperature, C\t"
         "permeability modifiers, FAMILY:METHOD:FACTOR=a,b,... ...\tloss formulas, "
         "FAMILY:METHOD=a,b,... ...\n"
         "3C90\tFerroxcube\tferrite\t2364\t25:0.47 100:0.38\t1,200001,3.2,1.46,2.75,2.45,0.031,"
         "0.000165\t220\t\t\n"},
        {{"--list", "wires"},
         550,
         "# name\tgrade\tconductor diameter, mm\touter diameter, mm\n"
         "Round 0.01 - Grade 1\t1\t0.01\t0.0125\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n')),
                  c.lines)
            << c.arguments.back();
        const std::size_t second = run.out.find('\n', run.out.find('\n') + 1);
        EXPECT_EQ(run.out.substr(0, second + 1), c.firstTwo);
    }
    // The kind column names the family of a core beyond ring, Ш and П.
    EXPECT_NE(RunCli({"--list", "cores"})
                  .out.find("\nETD 39/20/13\tetd\tA=39.1\tB=19.8\tC=12.5\tD=14.6\tE=30.1\tF=12.5\t"
                            "alias=ETD 39\tbobbin=6.75,25.7\tbobbin=6.9,25.7\n"),
              std::string::npos);
}

// --list with --json: the entries of the listing as an array of objects,
// the same numbers in the same units (mm, T, °C, Hz).
TEST(CliCatalogueTest, ListsTheCatalogueAsJson) {
    const struct {
        std::vector<std::string> arguments;
        std::size_t entries;
        const char* entry;
    } cases[] = {
        {{"--list", "cores", "--core", "u", "--json"},
         35,
         R"({"name": "U 10/8/3", "kind": "u",
             "dimensions": {"A": 9.9, "B": 8.2, "C": 2.85, "D": 5, "E": 4.15},
             "aliases": ["U 10"], "subtype": null, "bobbins": []})"},
        {{"--list", "cores", "--core", "etd", "--json"},
         9,
         R"({"name": "ETD 19/14/8", "kind": "etd",
             "dimensions": {"A": 19.6, "B": 13.65, "C": 7.4, "D": 9.4, "E": 14.9, "F": 7.4},
             "aliases": ["ETD 19"], "subtype": null, "bobbins": [{"breadth": 2.15, "height": 15.9}]})"},
        {{"--json", "--list=materials"},
         309,
         R"({"name": "3C90", "maker": "Ferroxcube", "composition": "ferrite",
             "initial_permeability": 2364,
             "saturation": [{"temperature": 25, "flux_density": 0.47},
                            {"temperature": 100, "flux_density": 0.38}],
             "steinmetz": [{"min_frequency": 1, "max_frequency": 200001, "k": 3.2,
                            "alpha": 1.46, "beta": 2.75, "ct0": 2.45, "ct1": 0.031,
                            "ct2": 0.000165}],
             "curie_temperature": 220, "permeability_modifiers": [], "loss_formulas": []})"},
        {{"--list", "materials", "--json"},
         309,
         R"({"name": "75-Series 26", "maker": "Magnetics", "composition": "powder",
             "initial_permeability": 26,
             "saturation": [{"temperature": 100, "flux_density": 0.9}], "steinmetz": [],
             "curie_temperature": 700,
             "permeability_modifiers": [{"family": "default", "method": "magnetics",
                 "bias": [0.01, 4.0969425693293166e-10, 1.6585866683192652],
                 "frequency": [], "flux": [], "temperature": []}],
             "loss_formulas": [{"family": "default", "method": "magnetics",
                                "coefficients": [12.970875501943503, 2.031, 1.44]}]})"},
        {{"--list", "wires", "--json"},
         549,
         R"({"name": "Round 0.01 - Grade 1", "grade": 1, "conductor_diameter": 0.01,
             "outer_diameter": 0.0125})"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << c.entry;
        const nlohmann::ordered_json list = nlohmann::ordered_json::parse(run.out);
        const nlohmann::ordered_json entry = nlohmann::ordered_json::parse(c.entry);
        EXPECT_EQ(list.size(), c.entries) << c.entry;
        const auto listed = std::find_if(list.begin(), list.end(), [&](const auto& e) {
            return e.at("name") == entry.at("name");
        });
        ASSERT_NE(listed, list.end()) << c.entry;
        EXPECT_EQ(*listed, entry);
    }
}

TEST(CliCatalogueTest, UserFileAddsAndReportsItsBadLines) {
    const std::string home = testing::TempDir() + "cli-catalogue-" + std::to_string(getpid());
    const std::string folder = home + "/transcalc";
    ASSERT_EQ(system(("mkdir -p '" + folder + "'").c_str()), 0);
    {
        std::ofstream file(folder + "/materials.tsv");
        file << "# my materials\n2000НМ\tАкме\tferrite\t2000\t25:0.39 100:0.32\nbad\n";
    }
    const CliRun run = RunCli({"--separator", ",", "--material", "2000НМ", "--mode", "choke"},
                              {"XDG_DATA_HOME=" + home});
    EXPECT_EQ(run.err, "transcalc-cli: " + folder +
                           "/materials.tsv:3: expected a name, maker, composition, initial "
                           "permeability and optionally saturation, Steinmetz ranges, Curie "
                           "temperature, permeability modifiers and loss formulas, separated by "
                           "tabs\n");
    EXPECT_NE(run.out.find("Проницаемость=2000\ndB инд. нассыщения=0,256\n"), std::string::npos)
        << run.out;
    std::filesystem::remove_all(home);
}

// A number no real part has is named with its bound on standard error, and
// the line is left out of the list.
TEST(CliCatalogueTest, UserFileNumbersOutsideTheirBoundsAreNamed) {
    const std::string home = testing::TempDir() + "cli-bounds-" + std::to_string(getpid());
    const std::string folder = home + "/transcalc";
    ASSERT_EQ(system(("mkdir -p '" + folder + "'").c_str()), 0);
    std::ofstream(folder + "/materials.tsv")
        << "Zero\tAcme\tferrite\t2000\t25:0\nHot\tAcme\tferrite\t2000\t1e300:0.3\n";
    const CliRun run = RunCli({"--list", "materials"}, {"XDG_DATA_HOME=" + home});
    EXPECT_EQ(run.err, "transcalc-cli: " + folder +
                           "/materials.tsv:1: the saturation flux density in '25:0' is not above "
                           "0 T\n"
                           "transcalc-cli: " +
                           folder +
                           "/materials.tsv:2: the saturation temperature in '1e300:0.3' is not "
                           "within -60 to 300 C\n");
    EXPECT_EQ(run.out.find("Zero\t"), std::string::npos);
    EXPECT_EQ(run.out.find("Hot\t"), std::string::npos);
    std::filesystem::remove_all(home);
}

// The report program, run by the command line, refuses any other call.
TEST(ReportProgramTest, RefusesBadArgumentsBeforeReadingTheDesign) {
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"--separator", ",", "--name", "d"},
        {"--separator", ";", "--output", "r.pdf"},
        {"--separator", ",", "--output", ""},
        {"--separator", ",", "--output", "r.pdf", "--check", "maybe"},
        {"--separator", ",", "--output", "r.pdf", "extra"},
        {"--separator", ",", "--output", "r.pdf", "--bogus", "x"},
        {"--separator", ",", "--output"},
    };
    for (const std::vector<std::string>& arguments : calls) {
        const CliRun run = RunProgram(TRANSCALC_REPORT, arguments);
        EXPECT_EQ(run.err,
                  "Usage: transcalc-report --separator , --name NAME --output FILE.pdf "
                  "[--check yes] < design\n");
        EXPECT_EQ(run.status, 64);
        EXPECT_EQ(run.out, "");
    }
}

TEST(CliHelpTest, PrintsTheUsage) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Usage: transcalc-cli [options]\n", 0), 0u);
    EXPECT_NE(run.out.find("--overshoot TEXT             Edit12"), std::string::npos);
    EXPECT_NE(run.out.find("  --core-name NAME  a core of the catalogue by its exact name"),
              std::string::npos);
}

}  // namespace

namespace {

// The number after "key": in one JSON object of the command line; NaN for null.
double JsonNumber(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        ADD_FAILURE() << "no key " << key;
        return 0;
    }
    const char* start = json.c_str() + at + key.size() + 4;
    return std::string_view(start, 4) == "null" ? std::nan("") : std::strtod(start, nullptr);
}

// A push-pull transformer on E 25/13/7 in N87 at 50 kHz, dB 0.3 T.
const std::vector<std::string> kPushPull = {
    "--separator", ",",         "--core-name", "E 25/13/7", "--material", "N87",
    "--mode",      "push-pull", "--freq",      "50",        "--vin",      "300",
    "--vout",      "12",        "--db",        "0.3",       "--check"};

std::vector<std::string> With(std::vector<std::string> arguments,
                              std::initializer_list<std::string> more) {
    arguments.insert(arguments.end(), more);
    return arguments;
}

TEST(CliCheckTest, PrintsTheCheckAfterTheResults) {
    const CliRun run = RunCli(kPushPull);
    EXPECT_EQ(run.status, 0) << run.err;
    const std::size_t results = run.out.find("Минимально-возиожная частота =");
    const std::size_t check = run.out.find("\nМатериал=N87\n");
    ASSERT_NE(results, std::string::npos);
    ASSERT_NE(check, std::string::npos);
    EXPECT_LT(results, check);
    EXPECT_NE(run.out.find("Индукция насыщения при 100 °C=0,390 Тл\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Запас до насыщения="), std::string::npos);
}

// The object holds the formulas' values: the swing of half a period at the
// whole turns over A_e, the peak half of it, the loss over V_e, the rise by
// the makers' law and the skin depth of copper at 100 °C.
TEST(CliCheckTest, TheCheckObjectFollowsTheFormulas) {
    const CliRun run = RunCli(With(kPushPull, {"--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string& json = run.out;
    const double area = JsonNumber(json, "effective_area");
    const double path = JsonNumber(json, "effective_length");
    const double turns = JsonNumber(json, "TurnsPrimary");
    const double frequency = 50e3;
    const double swing = 300 * (0.5 / frequency) / (turns * area);
    const double loss = JsonNumber(json, "loss_density") * area * path;
    // E 25/13/7 by the maker's datasheet: l_e 57.5 mm, A_e 52.5 mm².
    EXPECT_NEAR(path / 57.5e-3, 1, 0.01);
    EXPECT_NEAR(area / 52.5e-6, 1, 0.015);
    EXPECT_NEAR(JsonNumber(json, "effective_volume"), area * path, 1e-9 * area * path);
    EXPECT_NE(json.find("\"loss_extrapolated\": false, \"loss_temperature_extrapolated\": false}"),
              std::string::npos)
        << json;
    const double surfaceCm2 = JsonNumber(json, "surface") * 1e4;
    const double resistivity = 1.724e-8 * (1 + 0.00393 * (100 - 20));
    const double mu0 = 4e-7 * 3.14159265358979323846;
    const struct {
        const char* key;
        double expected;
    } cases[] = {
        {"frequency", frequency},
        {"flux_swing", swing},
        {"flux_peak", swing / 2},
        {"margin", 1 - (swing / 2) / JsonNumber(json, "bsat")},
        {"core_loss", loss},
        {"temperature_rise", std::pow(loss * 1000 / surfaceCm2, 0.833)},
        {"skin_depth", std::sqrt(resistivity / (3.14159265358979323846 * frequency * mu0))},
        // Ungapped: the core's own A_L, μ0·μ·A_e/l_e.
        {"al_value", mu0 * JsonNumber(json, "Permeability") * area / path},
        {"inductance", JsonNumber(json, "al_value") * turns * turns},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(JsonNumber(json, c.key), c.expected, 1e-9 * std::fabs(c.expected)) << c.key;
    }
    // Ш-shaped pair: the box of height 2·H1, width H2 and depth L2.
    const double h1 = 1.255, h2 = 2.505, l2 = 0.72;  // cm, as the catalogue gives E 25/13/7
    EXPECT_NEAR(surfaceCm2, 2 * (2 * h1 * h2 + 2 * h1 * l2 + h2 * l2), 1e-9 * surfaceCm2);
    EXPECT_TRUE(std::isnan(JsonNumber(json, "strands")));
}

// N87 at 250 °C, past its Curie point of 210 °C: no saturation and no margin.
TEST(CliCheckTest, AboveTheCuriePointTheCoreIsNotMagnetic) {
    const CliRun text = RunCli(With(kPushPull, {"--temperature", "250"}));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\nТемпература выше точки Кюри материала (210 °C): сердечник теряет "
                            "магнитные свойства\n"),
              std::string::npos)
        << text.out;
    EXPECT_EQ(text.out.find("Запас до насыщения="), std::string::npos);
    const CliRun json = RunCli(With(kPushPull, {"--temperature", "250", "--json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find("\"margin\": null"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"above_curie\": true"), std::string::npos);
    const CliRun warm = RunCli(With(kPushPull, {"--temperature", "200", "--json"}));
    EXPECT_NE(warm.out.find("\"above_curie\": false"), std::string::npos);
    // 0.3898 T at 100 °C falls to 10/110 of it at 200 °C.
    EXPECT_NEAR(JsonNumber(warm.out, "bsat"), 0.3898 * 10 / 110, 1e-9);
}

// A gapped choke's flux follows its own inductance: B = L·I/(N·A_e), here
// at 2 A with 1 A of ripple (2.5 A peak) on the 20-turn ring, cut 0.5 mm.
TEST(CliCheckTest, TheChokesFluxFollowsItsInductance) {
    const CliRun run =
        RunCli({"--separator", ",",   "--core",   "ring",  "--d1",         "20",   "--d2",
                "10",          "--h", "10",       "--gap", "0.5",          "--mu", "2000",
                "--db",        "0.3", "--mode",   "choke", "--turns",      "20",   "--check",
                "--current",   "2",   "--ripple", "1",     "--check-freq", "100",  "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const double inductance = JsonNumber(run.out, "inductance");
    EXPECT_NEAR(inductance, 58.516e-6, 0.001e-6);
    EXPECT_NEAR(JsonNumber(run.out, "al_value"), inductance / 400, 1e-9 * inductance);
    const double peak = inductance * 2.5 / (20 * JsonNumber(run.out, "effective_area"));
    EXPECT_NEAR(JsonNumber(run.out, "flux_peak"), peak, 1e-9 * peak);
}

// A powder ring's inductance falls with its current: the check object says
// how far, and which law gave the loss; a gapped ferrite keeps its
// inductance and warns that a DC bias raises its loss.
TEST(CliCheckTest, TheChokeAtItsOperatingPoint) {
    const std::vector<std::string> choke = {
        "--separator", ",",  "--mode",   "choke", "--turns",      "40",  "--check",
        "--current",   "10", "--ripple", "1",     "--check-freq", "100", "--json"};
    struct Row {
        std::vector<std::string> core;
        bool rollsOff;
        const char* lossMethod;
        bool biasWarning;
    };
    const Row rows[] = {
        {{"--core", "ring", "--d1", "46.7", "--d2", "24.1", "--h", "18", "--mu", "60", "--db",
          "0.5", "--material", "Kool Mµ 60"},
         true,
         "magnetics",
         false},
        {{"--core-name", "E 42/21/15", "--material", "N87", "--gap", "1"},
         false,
         "steinmetz",
         true},
    };
    for (const Row& row : rows) {
        std::vector<std::string> arguments = row.core;
        arguments.insert(arguments.end(), choke.begin(), choke.end());
        const CliRun run = RunCli(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json check = nlohmann::json::parse(run.out)["check"];
        const double atRest = check["inductance"].get<double>();
        const double atDc = check["inductance_dc"].get<double>();
        if (row.rollsOff) {
            EXPECT_LT(atDc, 0.9 * atRest) << row.lossMethod;
            EXPECT_LT(check["permeability_dc"].get<double>(), 60);
        } else {
            EXPECT_EQ(atDc, atRest);
        }
        EXPECT_LE(check["inductance_peak"].get<double>(), atDc);
        EXPECT_EQ(check["loss_method"], row.lossMethod);
        EXPECT_EQ(check["bias_warning"], row.biasWarning);
    }
}

// Choosing N87 fills dB with 0,312 T: every transformer mode on a catalogue
// core keeps a margin at 100 °C, and the check leaves the results list as it
// was.
TEST(CliCheckTest, TheMaterialsWorkingFluxKeepsAMarginWhenWarm) {
    const std::vector<std::vector<std::string>> modes = {
        {"--mode", "push-pull", "--freq", "50"},
        {"--mode", "single-ended", "--freq", "100"},
        {"--mode", "flyback", "--pulse", "10", "--overshoot", "600"},
    };
    for (const std::vector<std::string>& mode : modes) {
        std::vector<std::string> arguments = {"--separator", ",",   "--core-name", "E 42/21/15",
                                              "--material",  "N87", "--vin",       "300",
                                              "--vout",      "12"};
        arguments.insert(arguments.end(), mode.begin(), mode.end());
        const CliRun plain = RunCli(arguments);
        arguments.push_back("--check");
        const CliRun checked = RunCli(arguments);
        ASSERT_EQ(checked.status, 0) << mode[1] << checked.err;
        EXPECT_NE(plain.out.find("dB инд. нассыщения=0,312\n"), std::string::npos) << plain.out;
        EXPECT_EQ(checked.out.substr(0, plain.out.size()), plain.out) << mode[1];
        arguments.push_back("--json");
        const double margin = JsonNumber(RunCli(arguments).out, "margin");
        EXPECT_GT(margin, 0.1) << mode[1];
    }
}

TEST(CliCheckTest, ALossBeyondTheMaterialsDataIsMarked) {
    // 3C90's loss data ends at 200 kHz, its data's temperatures at 25 and 100 °C.
    const std::vector<std::string> at300 = {
        "--separator", ",",     "--core-name", "E 25/13/7", "--material", "3C90",    "--mode",
        "push-pull",   "--vin", "300",         "--vout",    "12",         "--check", "--freq"};
    const struct {
        std::vector<std::string> arguments;
        const char* text;
    } lines[] = {
        {With(at300, {"300"}), " Вт/см³ (за пределами данных материала: 0,001–200 кГц)\n"},
        {With(at300, {"100", "--temperature", "120"}),
         " Вт/см³ (за пределами данных материала: 25–100 °C)\n"},
        {With(at300, {"300", "--temperature", "-40", "--lang", "en"}),
         " W/cm³ (beyond the material's data: 0,001–200 kHz, 25–100 °C)\n"},
    };
    for (const auto& line : lines) {
        const CliRun text = RunCli(line.arguments);
        EXPECT_NE(text.out.find(line.text), std::string::npos) << text.out;
    }
    const struct {
        std::vector<std::string> arguments;
        const char* extrapolated;
    } cases[] = {
        {With(at300, {"300", "--json"}), "true, \"loss_temperature_extrapolated\": false"},
        {With(at300, {"100", "--json"}), "false, \"loss_temperature_extrapolated\": false"},
        {With(at300, {"100", "--temperature", "20", "--json"}),
         "false, \"loss_temperature_extrapolated\": true"},
        {{"--core", "e",    "--h1",  "20",   "--h2",    "50",     "--l1",
          "10",     "--l2", "10",    "--db", "0.3",     "--mode", "push-pull",
          "--freq", "100",  "--vin", "300",  "--check", "--json"},
         "null, \"loss_temperature_extrapolated\": null"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_NE(run.out.find(std::string("\"loss_extrapolated\": ") + c.extrapolated + "}"),
                  std::string::npos)
            << run.out;
    }
}

// The catalogue core's own letters while the design holds it, from the
// command line or a design file; the standard proportions once a dimension is
// typed over (A_e = L1·L2). The frequency is the one entered.
TEST(CliCheckTest, EffectiveParametersFollowTheCoreTheDesignHolds) {
    const std::string design =
        testing::TempDir() + "e42-" + std::to_string(getpid()) + ".transcalc";
    const std::vector<std::string> e42 = {
        "--separator", ",",      "--core-name", "E 42/21/15", "--material", "N87",     "--mode",
        "push-pull",   "--freq", "100",         "--vin",      "300",        "--check", "--json"};
    const CliRun named = RunCli(With(e42, {"--save-design", design}));
    ASSERT_EQ(named.status, 0) << named.err;
    const CliRun loaded = RunCli({"--separator", ",", "--design", design, "--check", "--json"});
    const CliRun same = RunCli(With(e42, {"--l1", "11.95"}));
    const CliRun typed = RunCli(With(e42, {"--l1", "12"}));
    EXPECT_EQ(JsonNumber(named.out, "frequency"), 100000);
    EXPECT_NEAR(JsonNumber(named.out, "effective_length") / 97e-3, 1, 0.01);
    EXPECT_EQ(JsonNumber(loaded.out, "effective_area"), JsonNumber(named.out, "effective_area"));
    EXPECT_EQ(JsonNumber(same.out, "effective_area"), JsonNumber(named.out, "effective_area"));
    EXPECT_NEAR(JsonNumber(typed.out, "effective_area"), 12 * 14.95e-6, 1e-15);
    std::filesystem::remove(design);
}

TEST(CliCheckTest, BadCheckInputsAreUsageErrors) {
    const struct {
        std::vector<std::string> more;
        const char* message;
    } cases[] = {
        {{"--current", "-1"}, "постоянный ток"},
        {{"--ripple", "1"}, "для пульсаций нужна частота переключения"},
        {{"--check-freq", "-5", "--lang", "en"}, "switching frequency"},
        {{"--temperature", "hot"}, "--temperature takes a number, not 'hot'"},
        {{"--material", "N87x"}, "no material 'N87x' in the catalogue; closest:"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = kPushPull;
        arguments.insert(arguments.end(), c.more.begin(), c.more.end());
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 64) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.message;
    }
}

TEST(CliCheckTest, ARedListHasNothingToCheck) {
    const CliRun run =
        RunCli({"--core", "ring", "--mode", "choke", "--d1", "20", "--check", "--json"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.out.find("\"check\": {\"frequency\": null, \"flux_swing\": null"),
              std::string::npos)
        << run.out;
}

}  // namespace

namespace {

// The classic list designs a core without a window; the check names it instead.
TEST(CliCheckTest, ACoreWithoutAWindowIsRefusedByTheCheck) {
    const std::vector<std::string> ring = {
        "--separator", ",", "--core", "ring", "--mode", "choke", "--d1",    "10", "--d2",   "12",
        "--h",         "5", "--db",   "0,3",  "--mu",   "2000",  "--turns", "10", "--check"};
    const CliRun lines = RunCli(ring);
    EXPECT_EQ(lines.status, 0);
    EXPECT_NE(lines.out.find("Индуктивность=-"), std::string::npos) << lines.out;
    EXPECT_TRUE(
        lines.out.ends_with("\n\nУ сердечника не остается окна для обмотки: проверьте размеры.\n"))
        << lines.out;

    std::vector<std::string> json = ring;
    json.push_back("--json");
    const CliRun object = RunCli(json);
    EXPECT_TRUE(object.out.ends_with(
        ", \"check\": null, \"check_error\": \"У сердечника не остается окна для обмотки: "
        "проверьте размеры.\", \"winding\": null, \"winding_error\": \"У сердечника не "
        "остается окна для обмотки: проверьте размеры.\"}\n"))
        << object.out;
}

TEST(CliCheckTest, TheReportShowsTheCheckThatRan) {
    char folder[] = "/tmp/cli-check-report-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string pdf = std::string(folder) + "/check.pdf";
    const CliRun run = RunCli(With(kPushPull, {"--report", pdf}));
    EXPECT_EQ(run.status, 0) << run.err;
    const CliRun text = [&] {
        FILE* pipe = popen(("pdftotext '" + pdf + "' -").c_str(), "r");
        CliRun result;
        char buffer[4096];
        for (std::size_t n; pipe != nullptr && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.out.append(buffer, n);
        }
        result.status = pipe == nullptr ? -1 : pclose(pipe);
        return result;
    }();
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("Проверка расчета"), std::string::npos) << text.out;
    // The report's column wraps the line before the results list's own length.
    EXPECT_NE(text.out.find("Эффективная длина le=5,78 см (в"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Запас до насыщения=22,7 %"), std::string::npos) << text.out;
    std::filesystem::remove_all(folder);
}

// Bounds hold whether or not the check runs: a saved design would keep the
// value all the same. They are said in the language of --lang, wherever it
// stands.
TEST(CliCheckTest, InputsOutOfTheirBoundsAreUsageErrorsNamingThem) {
    const struct {
        std::vector<std::string> more;
        const char* message;
    } cases[] = {
        {{"--temperature", "1e300"},
         "--temperature 1e300: температура сердечника должна быть числом не ниже -60 °C и не "
         "выше 300 °C: в этих пределах верны модели меди и сердечника"},
        {{"--temperature", "-240", "--lang", "en"},
         "--temperature -240: the core temperature must be a number of at least -60 °C and at "
         "most 300 °C, where the models of copper and core hold"},
        {{"--check-freq", "1e308"},
         "--check-freq 1e308: частота переключения должна быть числом больше 0 кГц и не больше "
         "10000 кГц"},
        {{"--lang", "en", "--ripple", "1e300"},
         "--ripple 1e300: the ripple must be a number of at least 0 A and at most 100000 A"},
        {{"--current", "1e308"},
         "--current 1e308: постоянный ток должен быть числом не меньше 0 А и не больше 100000 А"},
        {{"--current", "-1", "--lang", "ru"},
         "--current -1: постоянный ток должен быть числом не меньше 0 А и не больше 100000 А"},
    };
    for (const auto& c : cases) {
        for (const bool check : {true, false}) {
            std::vector<std::string> arguments = {"--core", "ring", "--mode", "choke"};
            arguments.insert(arguments.end(), c.more.begin(), c.more.end());
            if (check) {
                arguments.push_back("--check");
            }
            const CliRun run = RunCli(arguments);
            EXPECT_EQ(run.status, 64) << c.message;
            EXPECT_EQ(run.err, "transcalc-cli: " + std::string(c.message) +
                                   "\nTry 'transcalc-cli --help'.\n");
            EXPECT_EQ(run.out, "");
        }
    }
    const CliRun edge =
        RunCli({"--separator", ",",   "--core",        "ring", "--mode",    "choke",
                "--d1",        "20",  "--d2",          "10",   "--h",       "10",
                "--gap",       "0.5", "--mu",          "2000", "--db",      "0.3",
                "--turns",     "20",  "--temperature", "300",  "--current", "1e5",
                "--ripple",    "1e5", "--check-freq",  "1e4",  "--check",   "--json"});
    EXPECT_EQ(edge.status, 0) << edge.err;
}

std::string PdfText(const std::string& pdf) {
    std::string text;
    FILE* pipe = popen(("pdftotext '" + pdf + "' -").c_str(), "r");
    char buffer[4096];
    for (std::size_t n; pipe != nullptr && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    if (pipe != nullptr) {
        pclose(pipe);
    }
    return text;
}

// A user material whose loss would pass a double never reaches a design: its
// line is refused with the bound it breaks, and a design naming it is
// refused before it runs. The check's own refusal of numbers past a double
// is held in DesignCheckTest and CheckDialogTest.
TEST_F(CliDesignTest, AMaterialWhoseLossWouldPassADoubleIsRefusedWhereItIsRead) {
    const std::string folder = Path("data") + "/transcalc";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/materials.tsv")
        << "WILD\tTest\tferrite\t2000\t25:0.4 100:0.35\t1,10000000,1e300,4.5,5\n";
    const std::vector<std::string> environment = {"XDG_DATA_HOME=" + Path("data")};
    std::vector<std::string> arguments = kPushPull;
    std::replace(arguments.begin(), arguments.end(), std::string("N87"), std::string("WILD"));

    const CliRun json = RunCli(With(arguments, {"--json"}), environment);
    EXPECT_EQ(json.status, 64);
    EXPECT_EQ(json.err, "transcalc-cli: " + folder +
                            "/materials.tsv:1: the Steinmetz k in '1,10000000,1e300,4.5,5' is not "
                            "within 3.3e-16 to 1200000000\n"
                            "transcalc-cli: no material 'WILD' in the catalogue; closest: '3C90', "
                            "'3C91', '3C92'\n"
                            "Try 'transcalc-cli --help'.\n");
    EXPECT_EQ(json.out, "");
}

// A design file naming what the catalogue lacks opens with its dimensions;
// the name is dropped with one warning each and the exit status is the
// design's own.
TEST_F(CliDesignTest, AStaleCatalogueNameIsDroppedWithAWarning) {
    ASSERT_EQ(
        RunCli({"--core-name", "E 25/13/7", "--material", "N87", "--mode", "push-pull", "--freq",
                "50", "--vin", "300", "--vout", "12", "--save-design", Path("a.transcalc")})
            .status,
        0);
    std::string text = Read(Path("a.transcalc"));
    text.replace(text.find("\"E 25/13/7\""), 11, "\"E 99\"");
    text.replace(text.find("\"N87\""), 5, "\"N99\"");
    std::ofstream(Path("stale.transcalc"), std::ios::binary) << text;
    const std::string warnings = "transcalc-cli: Design file \"" + Path("stale.transcalc") +
                                 "\": no core \"E 99\" in the catalogue; its name is dropped\n"
                                 "transcalc-cli: Design file \"" +
                                 Path("stale.transcalc") +
                                 "\": no material \"N99\" in the catalogue; its name is dropped\n";

    const CliRun fresh = RunCli({"--design", Path("a.transcalc"), "--separator", ","});
    const CliRun stale = RunCli({"--design", Path("stale.transcalc"), "--separator", ",",
                                 "--save-design", Path("b.transcalc")});
    EXPECT_EQ(stale.err, warnings);
    EXPECT_EQ(stale.status, fresh.status);
    EXPECT_EQ(stale.out, fresh.out);
    std::string expected = Read(Path("a.transcalc"));
    expected.replace(expected.find("\"E 25/13/7\""), 11, "\"\"");
    expected.replace(expected.find("\"N87\""), 5, "\"\"");
    EXPECT_EQ(Read(Path("b.transcalc")), expected);

    // The check runs without the material instead of refusing the command.
    const CliRun check = RunCli({"--design", Path("stale.transcalc"), "--check", "--json"});
    EXPECT_EQ(check.err, warnings);
    EXPECT_EQ(check.status, fresh.status);
    EXPECT_NE(check.out.find("\"bsat\": null"), std::string::npos) << check.out;
}

// The report program, given a design with a stale name on its own, warns
// and draws the page without it.
TEST_F(CliDesignTest, TheReportProgramDropsAStaleNameWithAWarning) {
    ASSERT_EQ(RunCli({"--core-name", "E 25/13/7", "--save-design", Path("a.transcalc")}).status, 3);
    std::string text = Read(Path("a.transcalc"));
    text.replace(text.find("\"E 25/13/7\""), 11, "\"E 99\"");
    std::ofstream(Path("stale.transcalc"), std::ios::binary) << text;
    std::filesystem::create_directory(Path("runtime"));
    std::filesystem::permissions(Path("runtime"), std::filesystem::perms::owner_all);
    const std::string command = "XDG_RUNTIME_DIR='" + Path("runtime") +
                                "' QT_QPA_PLATFORM=offscreen '" + TRANSCALC_REPORT +
                                "' --separator , --name stale --output '" + Path("r.pdf") +
                                "' < '" + Path("stale.transcalc") + "' 2> '" + Path("err") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Read(Path("err")),
              "transcalc-report: Design file \"standard input\": no core \"E 99\" in the "
              "catalogue; its name is dropped\n");
    const std::string pdf = PdfText(Path("r.pdf"));
    EXPECT_EQ(pdf.find("E 99"), std::string::npos) << pdf;
}

}  // namespace

namespace {

using transcalc::testing_support::HasCyrillic;

const std::vector<std::string> kRingChoke = {
    "--separator", ",",  "--core", "ring", "--mode", "choke", "--d1",    "20", "--d2", "10",
    "--h",         "10", "--gap",  "0.5",  "--mu",   "2000",  "--turns", "20", "--db", "0.3"};

TEST(CliLanguageTest, PrintsTheListInTheLanguageChosen) {
    const CliRun english = RunCli(With(kRingChoke, {"--lang", "en"}));
    EXPECT_EQ(english.status, 0);
    EXPECT_EQ(english.err, "");
    EXPECT_EQ(english.out,
              "Total air gap=0,5 mm\n"
              "Cross-section=0,5 cm²\n"
              "Magnetic path length=4,71 cm\n"
              "Permeability=2000\n"
              "Working flux density dB the turns are designed for, T=0,3\n"
              "\n"
              "\n"
              "         Operating mode: Choke\n"
              "Ring core\n"
              "Effective permeability with the gap=90\n"
              "Inductance=0,04966 mH\n"
              "Total air gap=0,5 mm\n"
              "Choke turns=20\n"
              "Choke current at which the core reaches dB=6,041 A\n"
              "Recommended wire diameter at 7 A/mm², at least=1,048 mm\n"
              " \n"
              "Attention: a ring core. Does it really have a gap of 0,5 mm?\n");
    // Russian is the default; the last --lang counts.
    const CliRun russian = RunCli(kRingChoke);
    EXPECT_EQ(RunCli(With(kRingChoke, {"--lang", "ru"})).out, russian.out);
    EXPECT_EQ(RunCli(With(kRingChoke, {"--lang", "en", "--lang=ru"})).out, russian.out);
    EXPECT_NE(russian.out.find("Индуктивность=0,04966 MГн\n"), std::string::npos);
}

TEST(CliLanguageTest, ALanguageOtherThanRuOrEnIsAUsageError) {
    const struct {
        std::vector<std::string> more;
        const char* message;
    } cases[] = {
        {{"--lang", "de"}, "--lang takes ru or en, not 'de'"},
        {{"--lang", "EN"}, "--lang takes ru or en, not 'EN'"},
        {{"--lang="}, "--lang takes ru or en, not ''"},
        {{"--lang"}, "--lang needs a value"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = kRingChoke;
        arguments.insert(arguments.end(), c.more.begin(), c.more.end());
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 64) << c.message;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err,
                  "transcalc-cli: " + std::string(c.message) + "\nTry 'transcalc-cli --help'.\n");
    }
}

// The JSON of both languages holds the same keys, numbers, colour, error,
// state, check and windings; only the texts differ: the list's line for line,
// and the reasons why nothing is checked.
TEST(CliLanguageTest, JsonKeepsEveryKeyAndNumber) {
    const std::vector<std::vector<std::string>> designs = {
        With(kRingChoke, {"--json"}),
        With(kPushPull, {"--json"}),
        {"--core", "ring", "--mode", "flyback", "--d1", "20", "--check", "--json"},
        {"--core", "e", "--mode", "Мой режим", "--h1", "x", "--json"},
    };
    for (const std::vector<std::string>& design : designs) {
        const CliRun russian = RunCli(With(design, {"--lang", "ru"}));
        const CliRun english = RunCli(With(design, {"--lang", "en"}));
        EXPECT_EQ(english.status, russian.status);
        nlohmann::json ru = nlohmann::json::parse(russian.out, nullptr, false);
        nlohmann::json en = nlohmann::json::parse(english.out, nullptr, false);
        ASSERT_TRUE(ru.is_object()) << russian.out;
        ASSERT_TRUE(en.is_object()) << english.out;
        ASSERT_EQ(en.at("lines").size(), ru.at("lines").size());
        for (const auto& line : en.at("lines")) {
            EXPECT_FALSE(HasCyrillic(line.get<std::string>())) << line;
        }
        for (const char* text : {"lines", "check_error", "winding_error"}) {
            EXPECT_EQ(en.contains(text), ru.contains(text)) << text;
            if (en.contains(text) && en.at(text).is_string()) {
                EXPECT_FALSE(HasCyrillic(en.at(text).get<std::string>())) << en.at(text);
            }
            ru.erase(text);
            en.erase(text);
        }
        EXPECT_EQ(en, ru);
    }
}

// A check that refuses the design says why in the language chosen.
TEST(CliLanguageTest, TheCheckSpeaksTheLanguageToo) {
    const std::vector<std::string> noWindow = {
        "--separator", ",", "--core", "ring", "--mode", "choke", "--d1",    "10", "--d2",   "12",
        "--h",         "5", "--db",   "0,3",  "--mu",   "2000",  "--turns", "10", "--check"};
    const CliRun lines = RunCli(With(noWindow, {"--lang", "en"}));
    EXPECT_EQ(lines.status, 0);
    EXPECT_TRUE(
        lines.out.ends_with("\n\nThe core leaves no window for a winding: check its dimensions.\n"))
        << lines.out;
    const CliRun object = RunCli(With(noWindow, {"--lang", "en", "--json"}));
    EXPECT_TRUE(object.out.ends_with(
        ", \"check\": null, \"check_error\": \"The core leaves no window for a winding: check "
        "its dimensions.\", \"winding\": null, \"winding_error\": \"The core leaves no window "
        "for a winding: check its dimensions.\"}\n"))
        << object.out;

    const CliRun check = RunCli(With(kPushPull, {"--lang", "en"}));
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_FALSE(HasCyrillic(check.out)) << check.out;
    EXPECT_NE(check.out.find("\n\nMaterial=N87\nEffective area Ae="), std::string::npos)
        << check.out;
    EXPECT_TRUE(check.out.ends_with("\nThe windings are not checked: no load current is given\n"))
        << check.out;
}

// The windings' lines in English: the same numbers under English words.
TEST(CliLanguageTest, TheWindingsSpeakTheLanguageToo) {
    const std::vector<std::string> loaded = With(kPushPull, {"--load-current", "5"});
    const CliRun russian = RunCli(With(loaded, {"--lang", "ru"}));
    const CliRun english = RunCli(With(loaded, {"--lang", "en"}));
    ASSERT_EQ(english.status, 0) << english.err;
    EXPECT_FALSE(HasCyrillic(english.out)) << english.out;
    for (const char* text :
         {"\nWindings at a current density of 4 A/mm²:\nP1: turns ", ", wire 0,", " mm × ",
          ", layers ", ", mean turn ", ", R_dc at 100 °C ", " Ω, Kac ", "\nWindow fill=",
          " % (without the bobbin and the "
          "insulation)\nCopper fill of the window=",
          " %\nCopper loss (estimate)=", "\nCore and copper loss=",
          "\nTemperature rise of the part=", "\nOutput power=60,0 W\nEfficiency=",
          "\nThe copper loss is an "
          "estimate: the field of each section"}) {
        EXPECT_NE(english.out.find(text), std::string::npos) << text << "\n" << english.out;
    }
    // Line for line the same numbers in the windings' lines: only words
    // differ, and English names the copper's temperature beside R_dc.
    const auto digits = [](std::string out) {
        for (auto at = out.find(" at 100 °C"); at != std::string::npos;
             at = out.find(" at 100 °C")) {
            out.erase(at, std::string_view(" at 100 °C").size());
        }
        const std::string text = out.substr(out.rfind("\n\n"));
        std::string kept;
        std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                     [](char c) { return (c >= '0' && c <= '9') || c == ',' || c == '\n'; });
        return kept;
    };
    EXPECT_EQ(digits(english.out), digits(russian.out));
}

TEST_F(CliDesignTest, TheReportInEnglishHoldsNoRussianWord) {
    const CliRun run = RunCli(
        With(kPushPull, {"--lang", "en", "--load-current", "5", "--report", Path("report.pdf")}));
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string english = PdfText(Path("report.pdf"));
    EXPECT_FALSE(HasCyrillic(english)) << english;
    for (const char* text : {"report",
                             "Mode: Push-pull forward · E core · Core E 25/13/7 · Material N87",
                             "Dimensions in mm",
                             "Inputs",
                             "Core gap, mm",
                             "Frequency, kHz",
                             "Input voltage, V",
                             "Results",
                             "Operating mode: Push-pull forward",
                             "Design check",
                             "Margin to saturation=22,7 %",
                             "frequency, kHz (the dot: the operating frequency)",
                             "Load current, A",
                             "Windings at a current density of 4 A/mm²:",
                             "Mean turn, mm",
                             "Window fill=44,4 %",
                             "Copper fill of the window=16,0 %",
                             "loss, W (estimate)",
                             "copper",
                             "core and windings temperature rise, K"}) {
        EXPECT_NE(english.find(text), std::string::npos) << text << "\n" << english;
    }

    // A name of the user's own stays as it is.
    const CliRun named = RunCli(
        {"--core", "ring", "--mode", "choke", "--lang", "en", "--report", Path("Дроссель.pdf")});
    EXPECT_EQ(named.status, 3) << named.err;
    const std::string page = PdfText(Path("Дроссель.pdf"));
    EXPECT_NE(page.find("Дроссель\n"), std::string::npos) << page;
    EXPECT_NE(page.find("Mode: Choke · Ring core"), std::string::npos) << page;
    EXPECT_NE(page.find("Not all data are entered"), std::string::npos) << page;

    ASSERT_EQ(RunCli(With(kPushPull, {"--report", Path("russian.pdf")})).status, 0);
    const std::string russian = PdfText(Path("russian.pdf"));
    EXPECT_NE(russian.find("Проверка расчета"), std::string::npos) << russian;
    EXPECT_NE(russian.find("Режим Двухтактный"), std::string::npos) << russian;
}

}  // namespace
