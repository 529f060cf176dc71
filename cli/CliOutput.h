#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace solvo {

/// Exit statuses of solvo-cli.
enum class ExitStatus : int {
    Success = 0,
    Usage = 1,    ///< wrong usage: message and usage on standard error
    BadInput = 2, ///< a file, number, substance or unit that cannot be used
};

/// Bad input found by a command; main() prints what() on standard error and
/// exits with ExitStatus::BadInput, having written nothing else.
class BadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Helpers shared by the commands for reading arguments and writing results.
class CliOutput {
public:
    /// An argument (UTF-8) as the program's 8-bit text; throws BadInput naming
    /// the argument when Windows-1252 cannot hold one of its characters.
    static std::string ProgramText(std::string_view utf8);

    /// The program's 8-bit text as UTF-8 for output.
    static std::string Utf8(std::string_view programText);

    /// A number for JSON output: full precision, or "inf", "-inf", "nan".
    static nlohmann::ordered_json Number(double value);

    /// A number for plain-text output, with up to ten significant digits,
    /// independent of the locale.
    static std::string Text(double value);

    /// Flushes standard output; the system's reason when any of the output
    /// could not be written, now or before.
    static std::optional<std::string> FlushStandardOutput();
};

} // namespace solvo
