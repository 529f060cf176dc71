#include "quantities/StringTableText.h"

namespace solvo {

std::string StringTableText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        shown.push_back(text[i]);
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%')
            ++i;
    }
    return shown;
}

} // namespace solvo
