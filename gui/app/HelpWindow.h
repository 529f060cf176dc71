#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace solvo {

/// The program's own help viewer: HTML pages compiled into the program,
/// addressed by their paths such as "html\list_of_examples.htm".
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr const char* kContents = "html\\contents.htm";
    static constexpr const char* kFirstRunTutorial = "html\\tutorial_1st_run.htm";
    static constexpr const char* kExamples = "html\\list_of_examples.htm";
    static constexpr const char* kComposition = "html\\composition.htm";
    static constexpr const char* kRecipe = "html\\recipe.htm";

    explicit HelpWindow(QWidget* parent = nullptr);

    /// Shows the topic at path (either slash), raised above the program's
    /// windows; an unknown path shows the contents.
    void ShowTopic(const QString& path);

    /// The page's address inside the program for a topic path.
    static QUrl TopicUrl(const QString& path);

private:
    QTextBrowser* browser_;
};

} // namespace solvo
