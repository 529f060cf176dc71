#include "GuiTestFixture.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CStaticLink.h"
#include "app/CommandActions.h"
#include "app/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include <utility>
#include <vector>

namespace {

solvo::HelpWindow* ShownHelpWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<solvo::HelpWindow*>(window); help && help->isVisible())
            return help;
    }
    return nullptr;
}

// Every link of the page shown, by its address and the place of its text.
std::vector<std::pair<QString, QTextCursor>> Links(QTextBrowser& browser)
{
    std::vector<std::pair<QString, QTextCursor>> links;
    QTextDocument& page = *browser.document();
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString href = fragment.fragment().charFormat().anchorHref();
            if (href.isEmpty())
                continue;
            QTextCursor text(&page);
            text.setPosition(fragment.fragment().position() + 1);
            links.emplace_back(href, text);
        }
    }
    return links;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void the_contents_lead_to_every_page()
    {
        solvo::test::StartedSolvo started;
        started.solvo.MainFrame()->Commands().helpTopics->trigger();
        solvo::HelpWindow* help = ShownHelpWindow();
        QVERIFY(help);
        auto* browser = help->findChild<QTextBrowser*>();
        QVERIFY(browser);

        QStringList reached;
        const std::size_t count = Links(*browser).size();
        for (std::size_t i = 0; i < count; ++i) {
            // Going back lays the contents out anew.
            const auto [href, text] = Links(*browser).at(i);
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                              browser->cursorRect(text).center());
            reached << browser->source().fileName();
            QVERIFY2(href.endsWith(reached.last()), qPrintable(href));
            QCOMPARE(help->windowTitle(),
                     QStringLiteral("Solvo Help - ") + browser->documentTitle());
            browser->backward();
        }
        QStringList pages = QDir(QStringLiteral(":/help/html")).entryList(QDir::Files);
        pages.removeOne(QStringLiteral("contents.htm"));
        reached.sort();
        QCOMPARE(reached, pages);
    }

    void the_help_window_fits_on_a_screen_with_large_text()
    {
        const QFont normal = QApplication::font();
        QFont large = normal;
        large.setPointSizeF(normal.pointSizeF() * 2);
        QApplication::setFont(large);
        solvo::HelpWindow help;
        QApplication::setFont(normal);
        help.ShowTopic(QString::fromLatin1(solvo::HelpWindow::kContents));
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const QRect screen = help.screen()->availableGeometry();
        QVERIFY2(help.width() <= screen.width() && help.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(help.width()).arg(help.height())));
    }

    void the_about_box_says_where_its_links_lead()
    {
        solvo::test::StartedSolvo started;
        solvo::CAboutDlg about(started.solvo.MainFrame());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const std::pair<solvo::CStaticLink*, QString> links[] = {
            {about.CalculatorsLink(),
             QStringLiteral("Look for other chemical calculators on the help page Calculators")},
            {about.DataSourcesLink(),
             QStringLiteral("The licence notice and the other sources are on the help page Data sources")},
        };
        for (const auto& [link, expected] : links) {
            const QLabel* sentence = nullptr;
            for (const QLabel* label : about.findChildren<QLabel*>()) {
                if (label != link && label->geometry().center().y() == link->geometry().center().y())
                    sentence = label;
            }
            QVERIFY(sentence);
            QVERIFY(sentence->x() < link->x());
            QCOMPARE(sentence->text() + QLatin1Char(' ') + link->text(), expected);

            QTest::mouseClick(link, Qt::LeftButton);
            solvo::HelpWindow* help = ShownHelpWindow();
            QVERIFY(help);
            QCOMPARE(help->windowTitle(), QStringLiteral("Solvo Help - ") + link->text());
        }
        about.accept();
    }
};

SOLVO_GUI_TEST_MAIN(HelpTest)
#include "tst_help.moc"
