#pragma once

#include "platform/FilePath.h"

namespace solvo {

/// The per-user folders of the freedesktop.org base directories, found as
/// Qt finds them on Linux, for the programs that run without Qt.

/// $XDG_CONFIG_HOME, else $HOME/.config: where QSettings keeps its files.
FilePath UserConfigFolder();

/// $XDG_DATA_HOME, else $HOME/.local/share: Qt's generic data location.
FilePath UserDataFolder();

} // namespace solvo
