#include "app/WindowSizeRule.h"

#include <algorithm>

namespace solvo {

WindowSizeRule::Size WindowSizeRule::Widen(Size current)
{
    return {(current.width / 16 + 1) * 16, current.height};
}

WindowSizeRule::Size WindowSizeRule::Narrow(Size current)
{
    // A width of 0 or less would make the window vanish.
    return {std::max(16, (current.width / 16) * 16 - 16), current.height};
}

WindowSizeRule::Size WindowSizeRule::Cycle(Size current)
{
    if (current.width < 720)
        return {720, 576};
    if (current.width <= 1279)
        return {1280, 720};
    if (current.width <= 1919)
        return {1920, 1080};
    return {720, 576};
}

std::string WindowSizeRule::StatusText(Size size)
{
    return std::to_string(size.width) + "/" + std::to_string(size.height) + " - 704/720, 1280";
}

} // namespace solvo
