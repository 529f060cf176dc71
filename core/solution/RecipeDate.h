#pragma once

#include <chrono>
#include <string>

namespace solvo {

/// The date line of a recipe, as "%A, %B %d, %Y" writes it in the C locale
/// ("Thursday, December 10, 2026"), whatever the process locale; empty for
/// a date that does not exist.
std::string FormatRecipeDate(std::chrono::year_month_day date);

/// Today in the local time zone; a date that does not exist (which
/// FormatRecipeDate shows as empty) when the clock cannot be read.
std::chrono::year_month_day LocalToday();

} // namespace solvo
