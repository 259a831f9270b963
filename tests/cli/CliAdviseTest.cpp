#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "CliRun.h"

namespace {

using Json = nlohmann::json;

// Push-pull 24 V → 12 V, 5 A at 100 kHz on N87 П cores.
const std::vector<std::string> kAdvise = {
    "--advise", "--mode",      "push-pull", "--vin",          "24", "--vout",
    "12",       "--freq",      "100",       "--core",         "u",  "--material",
    "N87",      "--separator", ",",         "--load-current", "5"};

std::vector<std::string> With(std::vector<std::string> arguments,
                              std::initializer_list<std::string> more) {
    arguments.insert(arguments.end(), more);
    return arguments;
}

TEST(CliAdviseTest, TableListsTheCoresAndWhatWasRuledOut) {
    const CliRun run = RunCli(With(kAdvise, {"--limit", "3"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = run.out.find('\n', at)) != std::string::npos;
         at = end + 1) {
        lines.push_back(run.out.substr(at, end - at));
    }
    ASSERT_EQ(lines.size(), 6u) << run.out;
    EXPECT_EQ(lines[0],
              "Сердечник  dB, Тл  Зазор, мм  Витки   Провод, мм                        "
              "Заполнение, %  P сердечника, Вт  P меди, Вт  P всего, Вт  ΔT, К  Запас, %  "
              "Ve, см³");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(lines[i].starts_with("U ")) << lines[i];
    }
    EXPECT_TRUE(lines[4].starts_with("Подходят ")) << lines[4];
    EXPECT_TRUE(lines[4].ends_with(" из 35 сердечников")) << lines[4];
    EXPECT_TRUE(lines[5].starts_with("Отсеяно вариантов: расчет 0, напряжение 0, насыщение "))
        << lines[5];
}

// The JSON's rows hold exactly the documented keys, and the first row, typed
// in as a design with --check, gives the same margin and core loss.
TEST(CliAdviseTest, JsonRowsMatchTheDesignRunByHand) {
    const CliRun run = RunCli(With(kAdvise, {"--json", "--limit", "2"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json json = Json::parse(run.out);
    ASSERT_EQ(json["advice"].size(), 2u);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json["advice"][0].items()) {
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys,
              (std::vector<std::string>{"copper_loss", "core", "core_loss", "db", "fill", "gap",
                                        "kind", "margin", "temperature_rise", "total_loss", "turns",
                                        "turns_primary", "turns_secondary", "volume"}));
    const Json ruledOut = json["ruled_out"];
    EXPECT_EQ(ruledOut.size(), 6u);
    for (const char* key : {"run", "voltage", "saturation", "power", "fit", "rise"}) {
        EXPECT_TRUE(ruledOut[key].is_number_unsigned()) << key;
    }
    EXPECT_TRUE(json["nothing_fits"].is_null());

    const Json& row = json["advice"][0];
    EXPECT_EQ(row["kind"], "u");
    EXPECT_TRUE(row["turns"].is_null());
    const double db = row["db"];
    const CliRun typed =
        RunCli({"--mode", "push-pull", "--vin", "24", "--vout", "12", "--freq", "100",
                "--core-name", row["core"].get<std::string>(), "--material", "N87", "--db",
                std::to_string(db), "--check", "--json", "--separator", "."});
    ASSERT_EQ(typed.status, 0) << typed.err;
    const Json check = Json::parse(typed.out)["check"];
    EXPECT_EQ(check["margin"].get<double>(), row["margin"].get<double>());
    EXPECT_EQ(check["core_loss"].get<double>(), row["core_loss"].get<double>());
    EXPECT_EQ(check["effective_volume"].get<double>(), row["volume"].get<double>());
}

// --core of families beyond the classic three searches them together; the
// table and the JSON then name each row's family.
TEST(CliAdviseTest, FamiliesSearchedTogetherNameTheirFamily) {
    const std::vector<std::string> families = {
        "--advise", "--mode",         "push-pull", "--vin",      "48",  "--vout",
        "12",       "--freq",         "100",       "--core",     "etd", "--core",
        "pq",       "--core",         "rm",        "--material", "N87", "--separator",
        ",",        "--load-current", "5"};
    const CliRun table = RunCli(With(families, {"--limit", "1"}));
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_TRUE(table.out.starts_with("Сердечник  Семейство  dB, Тл  Зазор, мм  Витки "))
        << table.out;
    EXPECT_NE(table.out.find("\nRM 6/I     RM         0,29    0,00       12 / 3  "),
              std::string::npos)
        << table.out;
    EXPECT_NE(table.out.find(" из 79 сердечников\n"), std::string::npos) << table.out;

    const CliRun json = RunCli(With(families, {"--limit", "20", "--json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    const Json advice = Json::parse(json.out)["advice"];
    ASSERT_EQ(advice.size(), 20u);
    std::set<std::string> found;
    for (const Json& row : advice) {
        found.insert(row["family"].get<std::string>());
        EXPECT_EQ(row["kind"], "e");  // each gapped in its centre leg
    }
    EXPECT_EQ(found, (std::set<std::string>{"etd", "pq", "rm"}));
}

TEST(CliAdviseTest, SaysWhyNothingFits) {
    const CliRun plain =
        RunCli({"--advise", "--mode", "choke", "--core", "ring", "--material", "N87",
                "--inductance", "0.05", "--current", "10", "--margin", "99"});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out,
              "все 433 кольца насыщаются при 100 °C при токе 10 А: выберите материал с меньшей "
              "проницаемостью\n"
              "Отсеяно вариантов: расчет 0, напряжение 0, насыщение 433, мощность 0, обмотки 0, "
              "нагрев 0 из "
              "433\n");
}

// --lang en gives the table, the counts and the reason in English, with the
// same numbers.
TEST(CliAdviseTest, SpeaksTheLanguageChosen) {
    const CliRun table = RunCli(With(kAdvise, {"--limit", "1", "--lang", "en"}));
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_TRUE(table.out.starts_with("Core       dB, T  Gap, mm  Turns   Wire, mm")) << table.out;
    EXPECT_NE(table.out.find(
                  " of 35 cores fit\nCandidates ruled out: calculation 0, voltage 0, saturation "),
              std::string::npos)
        << table.out;
    const CliRun plain =
        RunCli({"--advise", "--mode", "choke", "--core", "ring", "--material", "N87",
                "--inductance", "0.05", "--current", "10", "--margin", "99", "--lang", "en"});
    EXPECT_EQ(plain.out,
              "all 433 rings saturate at 100 °C at a current of 10 A: choose a material of lower "
              "permeability\n"
              "Candidates ruled out: calculation 0, voltage 0, saturation 433, power 0, windings "
              "0, rise 0 of "
              "433\n");
    const CliRun json = RunCli({"--advise", "--mode", "choke", "--core", "ring", "--material",
                                "N87", "--inductance", "0.05", "--current", "10", "--margin", "99",
                                "--lang", "en", "--json"});
    EXPECT_EQ(Json::parse(json.out)["nothing_fits"],
              "all 433 rings saturate at 100 °C at a current of 10 A: choose a material of lower "
              "permeability");
}

TEST(CliAdviseTest, BadValuesAreUsageErrors) {
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {With(kAdvise, {"--margin", "abc"}), "--margin takes a number, not 'abc'"},
        {With(kAdvise, {"--margin", "100"}),
         "запас до насыщения должен быть не меньше 0 % и не больше 99 %"},
        {With(kAdvise, {"--max-rise", "0", "--lang", "en"}),
         "the largest temperature rise must be a number above 0 K and at most 1000 K"},
        {With(kAdvise, {"--limit", "0"}), "число строк должно быть не меньше 1"},
        {With(kAdvise, {"--limit", "2.5"}), "--limit takes a whole number, not '2.5'"},
        {With(kAdvise, {"--load-current", "0"}), "ток нагрузки должен быть числом больше 0 А"},
        {With(kAdvise, {"--current-density", "500"}), "плотность тока должна быть числом"},
        {With(kAdvise, {"--mode", "boost"}),
         "--advise needs --mode choke, flyback, single-ended or push-pull"},
        {With(kAdvise, {"--material", "N870"}), "no material 'N870' in the catalogue; closest:"},
        {With(kAdvise, {"--save-design", "x.transcalc"}),
         "--advise saves no design and writes no report"},
        {{"--advise", "--mode", "flyback", "--material", "N87"},
         "для преобразователя нужен ток нагрузки"},
        {{"--advise", "--mode", "choke", "--material", "N87", "--current", "3", "--lang", "en"},
         "the choke needs the inductance wanted"},
        {{"--advise", "--mode", "choke", "--inductance", "1", "--current", "3"},
         "--advise needs --material NAME"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 64) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.message;
    }
}

// A mains flyback of three outputs and a battery push-pull of two, each
// over its input range with 0,7 V diodes: cores found, and every output
// reaches its voltage at the lowest input in the row's design, run again.
TEST(CliAdviseTest, ConvertersOfSeveralOutputsOverAnInputRange) {
    const std::vector<std::string> cases[] = {
        {"--advise", "--mode",     "flyback", "--pulse",     "4",      "--vin",
         "310",      "--vout",     "12",      "--overshoot", "600",    "--load-current",
         "2",        "--output",   "5:1",     "--output",    "15:0.1", "--drop",
         "0.7",      "--vin-min",  "200",     "--vin-max",   "370",    "--core",
         "e",        "--material", "N87",     "--limit",     "1",      "--json"},
        With(kAdvise, {"--output", "5:2", "--drop", "0.7", "--vin-min", "18", "--vin-max", "30",
                       "--limit", "1", "--json"}),
    };
    for (const std::vector<std::string>& arguments : cases) {
        const CliRun run = RunCli(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const Json json = Json::parse(run.out);
        ASSERT_EQ(json["advice"].size(), 1u) << run.out;
    }
}

// The converter's options go with the transformers only, and a range that
// leaves --vin outside is refused in the language chosen.
TEST(CliAdviseTest, ConverterOptionsAreTheTransformers) {
    const CliRun choke = RunCli({"--advise", "--mode", "choke", "--material", "N87", "--inductance",
                                 "1", "--current", "3", "--output", "5:1"});
    EXPECT_EQ(choke.status, 64);
    EXPECT_TRUE(
        choke.err.starts_with("transcalc-cli: --output does not apply to --advise --mode choke\n"))
        << choke.err;
    const CliRun outside = RunCli(With(kAdvise, {"--vin-min", "25"}));
    EXPECT_EQ(outside.status, 64);
    EXPECT_TRUE(outside.err.starts_with(
        "transcalc-cli: входное напряжение должно лежать в пределах входного\n"))
        << outside.err;
}

TEST(CliAdviseTest, UsageNamesTheAdviser) {
    const CliRun run = RunCli({"--help"});
    EXPECT_NE(run.out.find("  --advise          search instead of one Calculate"),
              std::string::npos);
    EXPECT_NE(run.out.find("  --inductance MH   choke: the inductance wanted"), std::string::npos);
}

}  // namespace
