#pragma once

#include <QObject>
#include <QPointer>

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

    /// Shows the topic at path, such as "html\tutorial_1st_run.htm".
    void ShowTopic(const QString& path);

    /// The topic that explains the window holding widget.
    static QString TopicFor(const QWidget* widget);

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
