#include "GuiTestFixture.h"

#include "app/SolvoApplication.h"
#include "calculators/CConcentrationCalculator.h"
#include "calculators/CSolutionMixer.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

using solvo::CSolutionMixer;

using solvo::test::FindChild;

class MixerTest : public QObject {
    Q_OBJECT

private:
    using Started = solvo::test::StartedSolvo;

    static QString Text(const QWidget& dialog, const char* name) { return FindChild<QLineEdit>(dialog, name)->text(); }

    static QLineEdit* Type(const QWidget& dialog, const char* field, const QString& text)
    {
        auto* edit = FindChild<QLineEdit>(dialog, field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        return edit;
    }

    static void TwoSolutionsMixed(const QWidget& dialog)
    {
        Type(dialog, "molarMass", QStringLiteral("58.44"));
        Type(dialog, "concentration1", QStringLiteral("1"));
        Type(dialog, "volume1", QStringLiteral("100"));
        Type(dialog, "concentration2", QStringLiteral("0"));
        Type(dialog, "volume2", QStringLiteral("100"));
    }

private slots:
    void initTestCase() { QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0); }

    void mixes_and_solves_as_the_user_types()
    {
        Started s;
        CSolutionMixer dialog(s.solvo.App());
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Solution mixer"));
        QVERIFY(!FindChild<QLineEdit>(dialog, "volume1")->isEnabled());
        QCOMPARE(FindChild<QComboBox>(dialog, "unit1")->currentText(), QStringLiteral("M (mol/L)"));

        TwoSolutionsMixed(dialog);
        QCOMPARE(Text(dialog, "solutionMass3"), QStringLiteral("200"));
        QCOMPARE(Text(dialog, "volume3"), QStringLiteral("200"));
        QCOMPARE(Text(dialog, "concentration3"), QStringLiteral("0.5"));

        QLineEdit* mixed = Type(dialog, "concentration3", QStringLiteral("0.25"));
        QCOMPARE(mixed->text(), QStringLiteral("0.25"));
        QCOMPARE(mixed->cursorPosition(), 4);
        auto* second = FindChild<QLineEdit>(dialog, "concentration2");
        QCOMPARE(second->text(), QStringLiteral("-0.5"));
        QCOMPARE(second->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(Text(dialog, "volume2"), QStringLiteral("100"));

        auto* unit = FindChild<QComboBox>(dialog, "unit1");
        unit->setFocus();
        QTest::keyClicks(unit, QStringLiteral("%"));
        QCOMPARE(unit->currentText(), QStringLiteral("% w/w"));
        QCOMPARE(Text(dialog, "concentration1"), QStringLiteral("5.844"));
        QCOMPARE(Text(dialog, "concentration3"), QStringLiteral("0.25"));

        FindChild<QCheckBox>(dialog, "constantConcentrations")->click();
        QVERIFY(!FindChild<QLineEdit>(dialog, "concentration1")->isEnabled());
        QVERIFY(!FindChild<QPushButton>(dialog, "conc1")->isEnabled());
        Type(dialog, "volume3", QStringLiteral("1000"));
        QCOMPARE(Text(dialog, "volume1"), QStringLiteral("500"));
        QCOMPARE(Text(dialog, "volume2"), QStringLiteral("500"));
    }

    void conc_button_opens_the_calculator_on_the_row()
    {
        Started s;
        CSolutionMixer dialog(s.solvo.App());
        dialog.show();
        TwoSolutionsMixed(dialog);

        bool checked = false;
        QTimer::singleShot(0, this, [&checked] {
            auto* calculator = qobject_cast<solvo::CConcentrationCalculator*>(QApplication::activeModalWidget());
            QVERIFY(calculator != nullptr);
            QCOMPARE(Text(*calculator, "volume"), QStringLiteral("100"));
            QCOMPARE(Text(*calculator, "solutionMass"), QStringLiteral("100"));
            QCOMPARE(Text(*calculator, "molar"), QStringLiteral("1"));
            QCOMPARE(Text(*calculator, "mass"), QStringLiteral("5.844"));
            QVERIFY(!FindChild<QLineEdit>(*calculator, "molarMass")->isEnabled());
            Type(*calculator, "molar", QStringLiteral("3"));
            checked = true;
            QTest::mouseClick(FindChild<QPushButton>(*calculator, "cancel"), Qt::LeftButton);
        });
        QTest::mouseClick(FindChild<QPushButton>(dialog, "conc1"), Qt::LeftButton);
        QVERIFY(checked);
        QCOMPARE(Text(dialog, "concentration1"), QStringLiteral("1"));
        QCOMPARE(Text(dialog, "concentration3"), QStringLiteral("0.5"));

        QTimer::singleShot(0, this, [] {
            auto* calculator = qobject_cast<solvo::CConcentrationCalculator*>(QApplication::activeModalWidget());
            QVERIFY(calculator != nullptr);
            Type(*calculator, "molar", QStringLiteral("2"));
            QTest::mouseClick(FindChild<QPushButton>(*calculator, "ok"), Qt::LeftButton);
        });
        QTest::mouseClick(FindChild<QPushButton>(dialog, "conc2"), Qt::LeftButton);
        QCOMPARE(Text(dialog, "concentration2"), QStringLiteral("2"));
        QCOMPARE(Text(dialog, "concentration3"), QStringLiteral("1.5"));
        QCOMPARE(Text(dialog, "volume3"), QStringLiteral("200"));
    }
};

SOLVO_GUI_TEST_MAIN(MixerTest)
#include "tst_mixer.moc"
