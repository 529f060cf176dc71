#include "GuiTestFixture.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CStaticLink.h"
#include "app/CTipofTheDay.h"
#include "app/CommandActions.h"
#include "app/HelpCommands.h"
#include "app/MemorySettingsStore.h"
#include "app/SolvoApplication.h"
#include "app/TipTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <functional>

namespace {

// Deals with each modal dialog of type Dialog as it opens, as a user would,
// and counts them; any other modal dialog is left to the fixture's watchdog.
template <typename Dialog>
class ModalDialogs : public QObject {
public:
    explicit ModalDialogs(std::function<void(Dialog&)> handle = {}) : handle_(std::move(handle))
    {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ++count;
            if (handle_)
                handle_(*dialog);
            dialog->accept();
        });
        timer->start(20);
    }

    int count = 0;

private:
    std::function<void(Dialog&)> handle_;
};

QString TipOnScreen(const solvo::CTipofTheDay& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("tipText"))->text();
}

int StoredInt(const char* key, int absent = -99)
{
    return QSettings().value(QStringLiteral("Settings/") + QLatin1String(key), absent).toInt();
}

} // namespace

class TipsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    void a_first_start_shows_a_tip_and_stores_the_order()
    {
        QString shown;
        ModalDialogs<solvo::CTipofTheDay> tips([&](solvo::CTipofTheDay& dialog) {
            QVERIFY(dialog.isVisible());
            shown = TipOnScreen(dialog);
        });
        solvo::SolvoApplication solvo;
        QVERIFY(solvo.Start());
        QCOMPARE(tips.count, 1);
        QVERIFY(!shown.isEmpty());

        const int increment = StoredInt("TipIncrement");
        QVERIFY(increment >= 1 && increment <= 10);
        const auto& texts = solvo::TipTexts();
        const int current = StoredInt("CurrentTip");
        QVERIFY(current >= 0 && current < 11);
        // The next start shows the tip after this one.
        QCOMPARE(QString::fromStdString(texts[static_cast<std::size_t>((current + 11 - increment) % 11)]),
                 shown);
        solvo.Finish();
    }

    void unticking_the_box_means_the_next_start_shows_none()
    {
        {
            ModalDialogs<solvo::CTipofTheDay> tips([](solvo::CTipofTheDay& dialog) {
                auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("showAtStartup"));
                QVERIFY(box->isChecked());
                box->click();
                QCOMPARE(StoredInt("ShowTipOfTheDay"), 0);
            });
            solvo::SolvoApplication solvo;
            QVERIFY(solvo.Start());
            QCOMPARE(tips.count, 1);
            solvo.Finish();
        }

        ModalDialogs<solvo::CTipofTheDay> tips([](solvo::CTipofTheDay& dialog) {
            QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("showAtStartup"))->isChecked());
        });
        solvo::SolvoApplication solvo;
        QVERIFY(solvo.Start());
        QCOMPARE(tips.count, 0);
        // The menu command still shows the tips.
        QAction* command = solvo.MainFrame()->Commands().tipOfTheDay;
        QVERIFY(command->isEnabled());
        command->trigger();
        QCOMPARE(tips.count, 1);
        solvo.Finish();
    }

    void a_first_run_shows_the_tutorial_instead_and_the_tip_next_time()
    {
        QSettings().setValue(QStringLiteral("Settings/FirstRun"), 1);
        ModalDialogs<solvo::CTipofTheDay> tips;
        {
            solvo::SolvoApplication solvo;
            QVERIFY(solvo.Start());
            QCOMPARE(tips.count, 0);
            QCOMPARE(StoredInt("FirstRun"), 0);
            QCOMPARE(StoredInt("CurrentTip"), -99);
            solvo.Finish();
        }
        solvo::SolvoApplication solvo;
        QVERIFY(solvo.Start());
        QCOMPARE(tips.count, 1);
        solvo.Finish();
    }

    void next_tip_walks_every_tip_and_comes_back()
    {
        solvo::MemorySettingsStore store;
        solvo::ProgramSettings settings(store);
        settings.SetCurrentTip(4);
        settings.SetTipIncrement(3);
        solvo::CTipofTheDay dialog(settings);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QString first = TipOnScreen(dialog);
        QCOMPARE(first, QString::fromStdString(solvo::TipTexts()[4]));
        QCOMPARE(settings.CurrentTip(), 7);

        // From OK, the focus on opening, Tab reaches "Next tip"; Alt+N also does.
        auto* next = dialog.findChild<QPushButton*>(QStringLiteral("nextTip"));
        QCOMPARE(next->shortcut(), QKeySequence(QStringLiteral("Alt+N")));
        auto* ok = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QVERIFY(ok && ok->text() == QStringLiteral("OK"));
        QTest::keyClick(ok, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        QSet<QString> seen{first};
        for (int press = 0; press < 10; ++press) {
            QTest::keyClick(next, Qt::Key_Space);
            seen.insert(TipOnScreen(dialog));
        }
        QCOMPARE(seen.size(), 11);
        next->click();
        QCOMPARE(TipOnScreen(dialog), first);
        QCOMPARE(settings.CurrentTip(), 7);
    }

    void the_tip_panel_is_white_in_the_tip_font_and_holds_the_longest_tip()
    {
        solvo::MemorySettingsStore store;
        solvo::ProgramSettings settings(store);
        solvo::CTipofTheDay dialog(settings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* text = dialog.findChild<QLabel*>(QStringLiteral("tipText"));
        QCOMPARE(text->font().family(), QStringLiteral("Arial"));
        QCOMPARE(text->font().pixelSize(), 16);
        QCOMPARE(text->font().weight(), QFont::Medium);
        const QImage panel = text->parentWidget()->grab().toImage();
        QCOMPARE(panel.pixelColor(panel.width() / 2, panel.height() - 4), QColor(Qt::white));
        for (const std::string& tip : solvo::TipTexts()) {
            text->setText(QString::fromStdString(tip));
            QVERIFY2(text->heightForWidth(text->width()) <= text->height(), tip.c_str());
        }
    }

    void the_about_box_names_the_program_and_its_version()
    {
        solvo::CAboutDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Solvo"));
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Solvo")));
        QVERIFY(texts.contains(QStringLiteral("Version 1.1.0.0")));
        QVERIFY(texts.contains(QStringLiteral("If you need help contact us at")));
        QVERIFY(texts.contains(QStringLiteral("Look for other chemical calculators on the help page")));
        QCOMPARE(solvo::CAboutDlg::VersionLine(QStringLiteral("2.3")), QStringLiteral("Version 2.3.0.0"));
        QCOMPARE(dialog.SupportLink()->Target().scheme(), QStringLiteral("mailto"));
        QCOMPARE(dialog.CalculatorsLink()->Target().scheme(),
                 QString::fromLatin1(solvo::HelpCommands::kLinkScheme));
    }

    void a_link_that_cannot_be_opened_stays_blue()
    {
        solvo::CStaticLink link(QStringLiteral("https://flaskware.example/"));
        QList<QUrl> opened;
        bool succeed = false;
        link.SetOpener([&](const QUrl& url) {
            opened << url;
            return succeed;
        });
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QVERIFY(link.font().underline());
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://flaskware.example/"))});
        QVERIFY(!link.Visited());
        QCOMPARE(link.palette().color(QPalette::WindowText),
                 QColor(solvo::CStaticLink::kUnvisitedColour));

        succeed = true;
        link.setFocus();
        QTest::keyClick(&link, Qt::Key_Space);
        QCOMPARE(opened.size(), 2);
        QVERIFY(link.Visited());
        QCOMPARE(link.palette().color(QPalette::WindowText),
                 QColor(solvo::CStaticLink::kVisitedColour));
    }

    void a_help_link_opens_its_page_in_the_help_window()
    {
        QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0);
        solvo::SolvoApplication solvo;
        QVERIFY(solvo.Start());
        QVERIFY(QDesktopServices::openUrl(
            solvo::HelpCommands::LinkTo(QString::fromLatin1(solvo::CAboutDlg::kCalculatorsTopic))));
        const auto windows = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(windows.begin(), windows.end(), [](QWidget* w) {
            return w->isVisible() && w->windowTitle() == QStringLiteral("Solvo Help - Calculators");
        }));

        ModalDialogs<solvo::CAboutDlg> about;
        QAction* command = solvo.MainFrame()->Commands().about;
        QVERIFY(command->isEnabled());
        command->trigger();
        QCOMPARE(about.count, 1);
        solvo.Finish();
    }
};

SOLVO_GUI_TEST_MAIN(TipsTest)
#include "tst_tips.moc"
