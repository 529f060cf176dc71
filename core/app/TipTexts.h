#pragma once

#include <string>
#include <vector>

namespace solvo {

/// The tips of the day in their fixed order, as shown: each has been through
/// the printf-style formatter, so a doubled "%" shows as one. The tip of the
/// day counts them at run time rather than assuming their number.
const std::vector<std::string>& TipTexts();

} // namespace solvo
