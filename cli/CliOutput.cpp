#include "CliOutput.h"

#include "platform/Windows1252.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <system_error>

namespace solvo {

std::string CliOutput::ProgramText(std::string_view utf8)
{
    auto text = Windows1252::FromUtf8(utf8);
    if (!text)
        throw BadInput("\"" + std::string(utf8) +
                       "\": holds a character that Solvo's text (Windows-1252) cannot hold.");
    return *text;
}

std::string CliOutput::Utf8(std::string_view programText)
{
    return Windows1252::ToUtf8(programText);
}

nlohmann::ordered_json CliOutput::Number(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    return value;
}

std::string CliOutput::Text(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 10);
    return std::string(buffer, result.ptr);
}

std::optional<std::string> CliOutput::FlushStandardOutput()
{
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && std::cout.good() && !std::ferror(stdout))
        return std::nullopt;
    // An earlier failure leaves only the stream's mark, not its reason.
    return std::generic_category().message(errno != 0 ? errno : EIO);
}

} // namespace solvo
