#pragma once

#include <string>
#include <string_view>

namespace solvo {

/// A fixed text of the program as it is shown: the printf-style formatter run
/// with no arguments, so "%%" shows as one "%". Any other "%" is kept as it
/// is, so no text can make the formatter read arguments that are not there.
std::string StringTableText(std::string_view text);

} // namespace solvo
