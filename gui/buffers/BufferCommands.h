#pragma once

#include <QObject>

namespace solvo {

class CMainFrame;
class CSolvoApp;
class DocumentManager;

/// The command "Buffer…" of the View menu: the buffer calculator, for the
/// active solution's volume; OK takes its forms into that solution.
class BufferCommands : public QObject {
    Q_OBJECT

public:
    /// Connects and enables the command of frame; app and documents must
    /// outlive it.
    BufferCommands(CMainFrame& frame, CSolvoApp& app, DocumentManager& documents);

private:
    void Run();

    CMainFrame& frame_;
    CSolvoApp& app_;
    DocumentManager& documents_;
};

} // namespace solvo
