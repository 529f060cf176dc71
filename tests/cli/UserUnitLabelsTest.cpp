#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace solvo::test {
namespace {

// Every human-readable unit shows the user's own labels of units.txt
// (Windows-1252 there, UTF-8 on output); JSON keeps its fixed keys and codes.
TEST(UserUnitLabels, PlainTextShowsThemAndJsonDoesNot)
{
    const auto home = std::filesystem::temp_directory_path() /
                      ("solvo-cli-labels-" + std::to_string(::getpid()));
    std::filesystem::remove_all(home);
    const auto data = home / "data" / "Flaskware" / "Solvo";
    std::filesystem::create_directories(data);
    std::ofstream(data / "units.txt", std::ios::binary)
        << "mol/L\r\nmmol/L\r\nmol/kg\r\n\xB5g/g %\r\nppm (w)\r\ng/100 mL\r\nmole fraction\r\n"
           "g/cm\xB3\r\n";
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {{"convert", "--mw", "58.44", "--from", "M", "--value", "1"},
         {"mol/L ", "mmol/L ", "mol/kg ", "\u00b5g/g % ", "ppm (w) ", "g/100 mL ",
          "mole fraction ", "g/cm\u00b3 "}},
        {{"mix", "--mw", "58.44", "--c1", "1", "--u1", "w", "--v1", "10", "--c2", "2", "--u2",
          "ppm", "--v2", "10", "--u3", "d"},
         {"\u00b5g/g %,", "ppm (w),", "g/cm\u00b3,"}},
        {{"db", "show", "hydrochloric acid"}, {"0 mol/L\n", "36 \u00b5g/g %\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[0]);
        const CliResult result = RunCli(c.arguments, {}, home);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        for (const std::string& label : c.shown)
            EXPECT_NE(result.out.find(label), std::string::npos) << label << "\n" << result.out;
        EXPECT_EQ(result.out.find("(mol/L)"), std::string::npos) << result.out;
    }

    const CliResult json =
        RunCli({"convert", "--json", "--mw", "58.44", "--from", "M", "--value", "1"}, {}, home);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto keys = nlohmann::json::parse(json.out);
    for (const char* key : {"M", "mM", "m", "w", "ppm", "v", "x", "d"})
        EXPECT_TRUE(keys.contains(key)) << key;
    std::filesystem::remove_all(home);
}

} // namespace
} // namespace solvo::test
