#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace solvo {

/// A single-line edit box for one number. While it has the focus its text is
/// exactly what the user typed; when it loses the focus a valid number is
/// rewritten with the significant digits typed ("2,50" becomes "2.50"), and
/// the caret goes back to the start. "???", which stands for a value that is
/// not finite, is no number and stays.
class CFEdit : public QLineEdit {
    Q_OBJECT

public:
    /// displayDigits gives the display-digits setting in force, used for a
    /// number typed without significant digits ("0", "-").
    explicit CFEdit(std::function<std::int32_t()> displayDigits, QWidget* parent = nullptr);

    /// The significant digits of the text last reformatted; 0 before.
    std::int32_t Digits() const { return digits_; }

signals:
    /// The box rewrote its own text on losing the focus; this is no edit.
    void reformatted(const QString& text);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Reformat();

    std::function<std::int32_t()> displayDigits_;
    std::int32_t digits_ = 0;
};

} // namespace solvo
