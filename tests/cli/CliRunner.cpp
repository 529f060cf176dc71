#include "CliRunner.h"

#include "app/CSolvoApp.h"
#include "app/DatabasePrompts.h"
#include "app/MemorySettingsStore.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace solvo::test {

namespace {

class SilentPrompts final : public solvo::DatabasePrompts {
public:
    void ShowMessage(std::string_view, solvo::PromptIcon) override {}
    solvo::PromptAnswer Ask(std::string_view, solvo::PromptButtons, solvo::PromptIcon) override
    {
        return solvo::PromptAnswer::No;
    }
    std::optional<std::string> RunPasswordDialog(solvo::PasswordDialogMode,
                                                 std::string_view) override
    {
        return std::nullopt;
    }
};

// A folder for this test process, used as the home of the settings and data,
// with the built-in program database in its usual place, as after a first
// run of the windowed program.
const std::filesystem::path& Sandbox()
{
    static const std::filesystem::path path = [] {
        auto dir = std::filesystem::temp_directory_path() /
                   ("solvo-cli-test-" + std::to_string(::getpid()));
        const auto dataFolder = dir / "data" / "Flaskware" / "Solvo";
        std::filesystem::create_directories(dataFolder);
        solvo::MemorySettingsStore store;
        solvo::CSolvoApp app(store, solvo::DataFolder(dataFolder));
        app.InstallDefaults();
        SilentPrompts prompts;
        app.SaveDatabaseFile(app.DatabaseFilePath(), false, prompts);
        return dir;
    }();
    return path;
}

} // namespace

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input,
                 const std::filesystem::path& home, const std::filesystem::path& output)
{
    const auto dir = home.empty() ? Sandbox() : home;
    const auto inPath = dir / "stdin";
    const auto outPath = output.empty() ? dir / "stdout" : output;
    const auto errPath = dir / "stderr";
    std::ofstream(inPath, std::ios::binary) << input;

    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
        ::setenv("HOME", dir.c_str(), 1);
        if (!std::freopen(inPath.c_str(), "rb", stdin) ||
            !std::freopen(outPath.c_str(), "wb", stdout) ||
            !std::freopen(errPath.c_str(), "wb", stderr))
            ::_exit(127);
        std::vector<char*> argv;
        std::string program = SOLVO_CLI_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copies(arguments);
        for (auto& argument : copies)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.peakMemoryKiB = usage.ru_maxrss;
    if (output.empty())
        result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    return result;
}

} // namespace solvo::test
