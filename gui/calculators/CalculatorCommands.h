#pragma once

#include <QObject>

namespace solvo {

class CMainFrame;
class CSolvoApp;

/// The commands "Concentration calculator" (on a fresh, empty component)
/// and "Mixing calculator" of the View menu and the toolbar.
class CalculatorCommands : public QObject {
    Q_OBJECT

public:
    /// Connects and enables the two commands of frame; app must outlive it.
    CalculatorCommands(CMainFrame& frame, CSolvoApp& app);
};

} // namespace solvo
