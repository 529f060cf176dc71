#pragma once

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;

namespace solvo {

/// The status bar's "CAP", "NUM" and "SCRL" panes. Each shows its text
/// while its lock key is on and stays empty, at the same width, while it is
/// off. The states are read from the X server where there is one, and
/// otherwise followed from the lock keys pressed while the program runs.
class KeyboardIndicators : public QObject {
    Q_OBJECT

public:
    explicit KeyboardIndicators(QStatusBar* statusBar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void Show();

    enum Lock { Caps, Num, Scroll, LockCount };
    std::array<QLabel*, LockCount> labels_{};
    std::array<bool, LockCount> on_{};
};

} // namespace solvo
