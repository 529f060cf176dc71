#pragma once

class QWidget;

namespace solvo {

/// The units the dialogs were designed in: a quarter of the font's average
/// character width across and an eighth of the font's height down. Sizes
/// given in them follow the font, so an arrangement holds with any font and
/// scale.
class DialogUnits {
public:
    /// The units of dialog's font as it is now.
    explicit DialogUnits(const QWidget& dialog);

    int Across(int quarters) const { return quarters * charWidth_ / 4; }
    int Down(int eighths) const { return eighths * lineHeight_ / 8; }

private:
    int charWidth_;
    int lineHeight_;
};

} // namespace solvo
