#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

class QWidget;

namespace solvo {

class CMainFrame;
class HelpWindow;

/// Help Topics, Tutorial, F1 (the topic of the active window) and Shift+F1
/// (the topic of the next window clicked), shown in the help window.
class HelpCommands : public QObject {
    Q_OBJECT

public:
    explicit HelpCommands(CMainFrame& frame);
    ~HelpCommands() override;

    /// The scheme of links to the program's own help pages: while the help
    /// commands exist, opening such a link through QDesktopServices shows its
    /// page in the help window, so the link works without a network.
    static constexpr const char* kLinkScheme = "solvo-help";

    /// Shows the topic at path, such as "html\tutorial_1st_run.htm".
    void ShowTopic(const QString& path);

    /// A link to the topic at path, to be opened through QDesktopServices.
    static QUrl LinkTo(const QString& path);

    /// The topic that explains the window holding widget.
    static QString TopicFor(const QWidget* widget);

public slots:
    /// Shows the topic that a help link names.
    void ShowLink(const QUrl& link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartHelpMode();
    void EndHelpMode();

    CMainFrame& frame_;
    QPointer<HelpWindow> window_;
    bool helpMode_ = false;
};

} // namespace solvo
