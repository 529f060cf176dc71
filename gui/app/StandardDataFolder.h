#pragma once

#include "app/DataFolder.h"

namespace solvo {

/// The per-user data folder of this platform: the generic data location
/// followed by Flaskware/Solvo (on Linux ~/.local/share/Flaskware/Solvo).
DataFolder StandardDataFolder();

} // namespace solvo
