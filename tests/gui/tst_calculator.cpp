#include "GuiTestFixture.h"

#include "app/SolvoApplication.h"
#include "calculators/CConcentrationCalculator.h"
#include "solution/CSolvoView.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <limits>

using solvo::CConcentrationCalculator;
using solvo::test::FindChild;

class CalculatorTest : public QObject {
    Q_OBJECT

private:
    using Started = solvo::test::StartedSolvo;

    static QLineEdit* Type(const QWidget& dialog, const char* field, const QString& text)
    {
        auto* edit = FindChild<QLineEdit>(dialog, field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        return edit;
    }

private slots:
    void initTestCase() { QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0); }

    void keeps_typed_text_while_recomputing()
    {
        Started s;
        solvo::SolvoSubstance component;
        CConcentrationCalculator dialog(s.solvo.App(), component, false);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Concentration calculator"));
        QVERIFY(FindChild<QLabel>(dialog, "noTable")->isVisible());
        QVERIFY(!FindChild<QLineEdit>(dialog, "volume")->isEnabled());
        QVERIFY(!FindChild<QPushButton>(dialog, "next")->isEnabled());

        Type(dialog, "molarMass", QStringLiteral("58.44"));
        QVERIFY(FindChild<QLineEdit>(dialog, "volume")->isEnabled());
        QVERIFY(!FindChild<QLineEdit>(dialog, "solutionMass")->isEnabled());
        QCOMPARE(FindChild<QPushButton>(dialog, "toggle")->text(), QStringLiteral("<"));
        Type(dialog, "volume", QStringLiteral("100"));

        QLineEdit* molar = Type(dialog, "molar", QStringLiteral("1."));
        QCOMPARE(molar->text(), QStringLiteral("1."));
        QCOMPARE(molar->cursorPosition(), 2);
        QCOMPARE(FindChild<QLineEdit>(dialog, "mass")->text(), QStringLiteral("5.844"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "amount")->text(), QStringLiteral("0.1"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "solutionMass")->text(), QStringLiteral("100"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "percentWW")->text(), QStringLiteral("5.844"));

        // Leaving the field reformats it and recomputes nothing.
        FindChild<QLineEdit>(dialog, "mass")->setFocus();
        QCOMPARE(molar->text(), QStringLiteral("1"));
        QCOMPARE(molar->cursorPosition(), 0);
        QCOMPARE(FindChild<QLineEdit>(dialog, "mass")->text(), QStringLiteral("5.844"));

        QLineEdit* mass = Type(dialog, "mass", QStringLiteral("11.688"));
        QCOMPARE(mass->text(), QStringLiteral("11.688"));
        QCOMPARE(molar->text(), QStringLiteral("2"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "amount")->text(), QStringLiteral("0.2"));

        // A mass out of range: the message comes with the keystroke that
        // takes it out of range.
        solvo::test::MessageBoxAnswers answers({QMessageBox::Ok});
        Type(dialog, "mass", QStringLiteral("2000000"));
        QCOMPARE(answers.Texts(), QStringList{QStringLiteral("Enter a number between 0 and 1000000.")});
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(mass));
    }

    // Acetic acid holds 1.0700 g/mL from 77 to 79 % w/w: "next" moves
    // between the ends of that stretch, and every field shows a number.
    void next_across_a_flat_stretch_shows_numbers()
    {
        Started s;
        const solvo::SolvoSubstance* acetic = s.solvo.App().Substances().FindByName("acetic acid");
        QVERIFY(acetic != nullptr);
        solvo::SolvoSubstance component = *acetic;
        CConcentrationCalculator dialog(s.solvo.App(), component, false);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Type(dialog, "volume", QStringLiteral("100"));
        Type(dialog, "density", QStringLiteral("1.0700"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "percentWW")->text(), QStringLiteral("77"));
        auto* next = FindChild<QPushButton>(dialog, "next");
        QVERIFY(next->isEnabled());
        for (const char* expected : {"79", "77"}) {
            QTest::mouseClick(next, Qt::LeftButton);
            QCOMPARE(FindChild<QLineEdit>(dialog, "percentWW")->text(), QLatin1String(expected));
            for (const char* field : {"molar", "millimolar", "molal", "ppm", "percentWV", "moleFraction",
                                      "density", "mass", "amount"})
                QVERIFY2(FindChild<QLineEdit>(dialog, field)->text() != QStringLiteral("???"), field);
        }
    }

    // The later units sit below the eight with the program's labels, follow
    // what is typed in them, and come in the tab order after the eight; % v/v
    // waits for a density of the pure liquid.
    void later_units_follow_the_fields()
    {
        Started s;
        const solvo::SolvoSubstance* salt = s.solvo.App().Substances().FindByName("sodium chloride");
        QVERIFY(salt != nullptr);
        solvo::SolvoSubstance component = *salt;
        CConcentrationCalculator dialog(s.solvo.App(), component, false);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const std::pair<const char*, QString> labels[] = {{"micromolar", QStringLiteral("\u00b5M (\u00b5mol/L)")},
                                                          {"ugPerML", QStringLiteral("\u00b5g/mL")},
                                                          {"percentVV", QStringLiteral("% v/v")},
                                                          {"normal", QStringLiteral("N (eq/L)")}};
        for (const auto& [field, text] : labels) {
            auto* edit = FindChild<QLineEdit>(dialog, field);
            bool labelled = false;
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                labelled = labelled || (label->buddy() == edit && label->text() == text);
            QVERIFY2(labelled, field);
        }

        Type(dialog, "volume", QStringLiteral("500"));
        QLineEdit* perML = Type(dialog, "ugPerML", QStringLiteral("100"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "mass")->text(), QStringLiteral("0.05"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "percentWV")->text(), QStringLiteral("0.01"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "mgPerL")->text(), QStringLiteral("100"));
        QVERIFY(!FindChild<QLineEdit>(dialog, "percentVV")->isEnabled());
        QVERIFY(FindChild<QLineEdit>(dialog, "percentVV")->text().isEmpty());

        QWidget* widget = FindChild<QPushButton>(dialog, "next");
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            widget = widget->nextInFocusChain();
            order << widget->objectName();
        }
        QCOMPARE(order, (QStringList{"micromolar", "nanomolar", "normal", "mgPerML", "ugPerML", "mgPerL",
                                     "percentVV", "clearAll"}));
        QCOMPARE(perML->text(), QStringLiteral("100"));
    }

    // "???" stands for a value that is not finite: leaving its field must not
    // turn it into 0, and OK refuses it with the program's message.
    void ok_refuses_a_field_that_shows_question_marks()
    {
        Started s;
        solvo::SolvoSubstance component;
        component.SetFormula("NaCl");
        component.SetMolarMass(58.44);
        component.StoreConcentration(std::numeric_limits<double>::quiet_NaN(), solvo::ConcentrationUnit::Molar);
        CConcentrationCalculator dialog(s.solvo.App(), component, true, 100.0, 0.0);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* molar = FindChild<QLineEdit>(dialog, "molar");
        QCOMPARE(molar->text(), QStringLiteral("???"));
        molar->setFocus();
        FindChild<QLineEdit>(dialog, "mass")->setFocus();
        QCOMPARE(molar->text(), QStringLiteral("???"));

        solvo::test::MessageBoxAnswers answers({QMessageBox::Ok});
        QTest::mouseClick(FindChild<QPushButton>(dialog, "ok"), Qt::LeftButton);
        QCOMPARE(answers.Texts(), QStringList{QStringLiteral("Enter a number.")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(molar));
        QVERIFY(std::isnan(component.GetConcentration(solvo::ConcentrationUnit::Molar)));
    }

    void composition_view_runs_it_locked_with_the_final_volume()
    {
        Started s;
        auto* view = s.solvo.MainFrame()->findChild<solvo::CSolvoView*>();
        solvo::SolvoDocument* document = s.solvo.Documents()->Documents().front();
        view->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view->window()));
        auto* formula = view->findChild<QLineEdit*>(QStringLiteral("formula"));
        formula->setFocus();
        QTest::keyClicks(formula, QStringLiteral("NaCl"));

        bool checked = false;
        QTimer::singleShot(0, this, [&checked] {
            auto* dialog = qobject_cast<CConcentrationCalculator*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QVERIFY(!FindChild<QLineEdit>(*dialog, "formula")->isEnabled());
            QVERIFY(!FindChild<QLineEdit>(*dialog, "molarMass")->isEnabled());
            QVERIFY(!FindChild<QPushButton>(*dialog, "database")->isVisible());
            QVERIFY(!FindChild<QPushButton>(*dialog, "clearAll")->isEnabled());
            QCOMPARE(FindChild<QLineEdit>(*dialog, "volume")->text(), QStringLiteral("0"));
            Type(*dialog, "volume", QStringLiteral("250"));
            Type(*dialog, "molar", QStringLiteral("0.1"));
            QCOMPARE(FindChild<QLineEdit>(*dialog, "mass")->text(), QStringLiteral("1.4611"));
            checked = true;
            QTest::mouseClick(FindChild<QPushButton>(*dialog, "ok"), Qt::LeftButton);
        });
        for (QPushButton* button : view->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("concentration"))
                button->click();
        }
        QVERIFY(checked);
        const solvo::SolvoSubstance& component = document->Data().GetCurrentComponent();
        QCOMPARE(component.GetConcentration(solvo::ConcentrationUnit::Molar), 0.1);
        QCOMPARE(document->Data().FinalVolume(), 0.25);
        QCOMPARE(view->findChild<QLineEdit*>(QStringLiteral("concentration"))->text(), QStringLiteral("0.1"));
    }
};

SOLVO_GUI_TEST_MAIN(CalculatorTest)
#include "tst_calculator.moc"
