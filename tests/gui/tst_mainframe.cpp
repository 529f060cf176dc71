#include "GuiTestFixture.h"

#include "app/PathConversion.h"
#include "app/SolvoApplication.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QtTest>

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    // These tests are about the main window; the tip of the day that a
    // start would show over it is tested on its own.
    void init() { QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0); }

    void opens_with_title_and_closes_cleanly()
    {
        solvo::SolvoApplication solvo;
        solvo.Start();
        QVERIFY(solvo.MainFrame()->isVisible());
        QCOMPARE(solvo.MainFrame()->windowTitle(), QStringLiteral("Flaskware - Solvo - Solvo1"));
        solvo.MainFrame()->close();
        solvo.Finish();
    }

    void first_start_writes_units_file_and_display_digits()
    {
        {
            solvo::SolvoApplication solvo;
            solvo.Start();
            QCOMPARE(solvo.App().DisplayDigits(), 4);
            QCOMPARE(solvo.App().Units().Label(3), std::string("% w/w"));
            solvo.App().SetDisplayDigits(6);
            solvo.Finish();
        }
        QFile units(solvo::ToQString(solvo::SolvoApplication().App().Data().File("units.txt")));
        QVERIFY(units.open(QIODevice::ReadOnly));
        QVERIFY(units.readAll().startsWith("M (mol/L)\r\nmM (mmol/L)\r\n"));
        QCOMPARE(QSettings().value(QStringLiteral("Settings/DisplayDigits")).toInt(), 6);

        solvo::SolvoApplication again;
        again.Start();
        QCOMPARE(again.App().DisplayDigits(), 6);
        again.Finish();
    }
};

SOLVO_GUI_TEST_MAIN(MainFrameTest)
#include "tst_mainframe.moc"
