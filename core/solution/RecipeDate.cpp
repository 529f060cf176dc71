#include "solution/RecipeDate.h"

#include <array>
#include <ctime>
#include <string_view>

namespace solvo {

namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

} // namespace

std::string FormatRecipeDate(std::chrono::year_month_day date)
{
    if (!date.ok())
        return {};
    const std::chrono::weekday weekday{std::chrono::sys_days{date}};
    const unsigned day = static_cast<unsigned>(date.day());
    std::string text(kWeekdays[weekday.c_encoding()]);
    text.append(", ").append(kMonths[static_cast<unsigned>(date.month()) - 1]).append(" ");
    text.push_back(static_cast<char>('0' + day / 10));
    text.push_back(static_cast<char>('0' + day % 10));
    text.append(", ").append(std::to_string(static_cast<int>(date.year())));
    return text;
}

std::chrono::year_month_day LocalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    const bool converted = now != static_cast<std::time_t>(-1) && localtime_s(&local, &now) == 0;
#else
    const bool converted = now != static_cast<std::time_t>(-1) && localtime_r(&now, &local);
#endif
    if (!converted)
        return {};
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

} // namespace solvo
