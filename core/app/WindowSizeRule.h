#pragma once

#include <cstdint>
#include <string>

namespace solvo {

/// The keyboard commands that step the main window's outer width (for
/// screenshots and screencasts at standard sizes). Sizes are in pixels; the
/// window's position does not change.
class WindowSizeRule {
public:
    struct Size {
        std::int32_t width;
        std::int32_t height;
        bool operator==(const Size&) const = default;
    };

    /// The next multiple of 16 above width; the height stays.
    static Size Widen(Size current);
    /// The multiple of 16 below the one at or below width; never below 16.
    static Size Narrow(Size current);
    /// 720 × 576, 1280 × 720, 1920 × 1080 in turn, by the current width.
    static Size Cycle(Size current);

    /// The status bar text after a size command, such as "1280/720 - 704/720, 1280".
    static std::string StatusText(Size size);
};

} // namespace solvo
