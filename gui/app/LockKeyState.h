#pragma once

#include <array>
#include <optional>

namespace solvo {

/// Caps Lock, Num Lock and Scroll Lock as the window system reports them;
/// empty where it cannot tell (no X server, or another platform).
std::optional<std::array<bool, 3>> ReadLockKeyState();

} // namespace solvo
