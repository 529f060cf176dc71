#pragma once

#include <QMainWindow>

class QMdiArea;

namespace solvo {

/// The program's main window: a multiple-document area for the solutions.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

private:
    QMdiArea* mdiArea_;
};

} // namespace solvo
