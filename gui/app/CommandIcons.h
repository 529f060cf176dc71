#pragma once

#include <QIcon>

namespace solvo {

/// The toolbar's icons, drawn as vector shapes at whatever size and scale
/// factor they are shown, so they stay sharp on every display. Disabled
/// icons are drawn in grey by the style, as for any other icon.
class CommandIcons {
public:
    enum class Kind {
        New,
        Open,
        Save,
        Print,
        Solution,
        Recipe,
        Calculator,
        Mixer,
        Database,
        Moieties,
        Tutorial,
        About,
    };

    static QIcon Icon(Kind kind);
};

} // namespace solvo
