#include "GuiTestFixture.h"

#include "app/CommandActions.h"
#include "app/SolvoApplication.h"
#include "solution/CChildFrame.h"
#include "solution/CSolvoView.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLayout>
#include <QMdiArea>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QtTest>

class CompositionViewTest : public QObject {
    Q_OBJECT

private:
    // The composition window of the new solution that start-up opens.
    struct Started {
        solvo::SolvoApplication solvo;
        solvo::CSolvoView* view = nullptr;
        solvo::SolvoDocument* document = nullptr;

        Started()
        {
            solvo.Start();
            view = solvo.MainFrame()->findChild<solvo::CSolvoView*>();
            document = solvo.Documents()->Documents().front();
        }
        ~Started()
        {
            // Nothing to save: the test's solution is thrown away.
            document->Data().SetModified(false);
            solvo.Finish();
        }

        template <typename Widget>
        Widget* Find(const char* name) const
        {
            return view->findChild<Widget*>(QString::fromLatin1(name));
        }

        QLineEdit* Type(const char* field, const QString& text) const
        {
            QLineEdit* edit = Find<QLineEdit>(field);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            return edit;
        }
    };

private slots:
    void initTestCase()
    {
        // Start-up goes straight to the solution.
        QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0);
    }

    void keeps_typed_text_while_recomputing()
    {
        Started s;
        QVERIFY(s.view != nullptr);
        s.view->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.view->window()));
        s.Type("formula", QStringLiteral("NaCl"));
        QVERIFY(s.Find<QLineEdit>("molarMass")->text().startsWith(QStringLiteral("58.44")));
        s.Type("finalVolume", QStringLiteral("250"));

        QLineEdit* concentration = s.Type("concentration", QStringLiteral("0,10"));
        QCOMPARE(concentration->text(), QStringLiteral("0,10"));
        QCOMPARE(concentration->cursorPosition(), 4);
        QCOMPARE(s.Find<QLineEdit>("mass")->text(), QStringLiteral("1.5"));
        QVERIFY(s.document->IsModified());
        QCOMPARE(s.document->Data().GetCurrentComponent().GetConcentration(solvo::ConcentrationUnit::Molar), 0.1);

        // A digit typed in the middle: the caret stays after it while the mass follows.
        concentration->setCursorPosition(1);
        QTest::keyClick(concentration, Qt::Key_0);
        QCOMPARE(concentration->text(), QStringLiteral("00,10"));
        concentration->setCursorPosition(0);
        QTest::keyClick(concentration, Qt::Key_1);
        QCOMPARE(concentration->text(), QStringLiteral("100,10"));
        QCOMPARE(concentration->cursorPosition(), 1);
        QCOMPARE(s.Find<QLineEdit>("mass")->text(), QStringLiteral("1.4625e+03"));

        // Leaving the field reformats it with the digits typed.
        s.Find<QLineEdit>("name")->setFocus();
        QCOMPARE(concentration->text(), QStringLiteral("100.10"));
        QCOMPARE(concentration->cursorPosition(), 0);
    }

    void adds_and_removes_components()
    {
        Started s;
        s.Type("name", QStringLiteral("salt"));
        auto* tabs = s.Find<QTabBar>("tabs");
        QCOMPARE(tabs->tabText(0), QStringLiteral("salt"));

        QTest::mouseClick(s.Find<QPushButton>("addSubstance"), Qt::LeftButton);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(1), QStringLiteral("substance 2"));
        QCOMPARE(tabs->currentIndex(), 1);
        // Every unit but x and % v/v.
        QCOMPARE(s.Find<QComboBox>("concentrationUnit")->count(), 13);
        QCOMPARE(s.Find<QLineEdit>("name")->text(), QString());

        tabs->setCurrentIndex(0);
        QCOMPARE(s.Find<QLineEdit>("name")->text(), QStringLiteral("salt"));
        QCOMPARE(s.document->Data().CurrentComponent(), 0);

        QTest::mouseClick(s.Find<QPushButton>("removeSubstance"), Qt::LeftButton);
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("substance 2"));
        QCOMPARE(s.Find<QComboBox>("concentrationUnit")->count(), 14);
        QCOMPARE(s.document->Data().GetComponentCount(), 1);
    }

    void a_unit_stays_beside_its_value_when_a_substance_is_added()
    {
        Started s;
        s.Type("name", QStringLiteral("sodium chloride"));
        auto* unit = s.Find<QComboBox>("concentrationUnit");
        const int percent = unit->findText(QStringLiteral("% w/v"));
        unit->setCurrentIndex(percent);
        emit unit->activated(percent);
        s.Type("concentration", QStringLiteral("0.900"));

        QTest::mouseClick(s.Find<QPushButton>("addSubstance"), Qt::LeftButton);
        s.Find<QTabBar>("tabs")->setCurrentIndex(0);
        QCOMPARE(s.Find<QLineEdit>("concentration")->text(), QStringLiteral("0.900"));
        QCOMPARE(unit->currentText(), QStringLiteral("% w/v"));
        QCOMPARE(unit->findText(QStringLiteral("x")), -1);
    }

    void marks_a_value_the_recipe_had_to_assume()
    {
        Started s;
        s.Type("name", QStringLiteral("nitric acid"));
        s.Type("formula", QStringLiteral("HNO_3"));
        QLineEdit* concentration = s.Find<QLineEdit>("concentration");
        const auto mark = [](QLineEdit* edit) {
            return edit->findChild<QAction*>(QStringLiteral("recipeNote"));
        };
        QCOMPARE(concentration->toolTip(), QString());
        QVERIFY(mark(concentration) == nullptr || !mark(concentration)->isVisible());

        auto* unit = s.Find<QComboBox>("concentrationUnit");
        unit->setCurrentIndex(static_cast<int>(solvo::ConcentrationUnit::PercentWW));
        emit unit->activated(unit->currentIndex());
        const QString note = QStringLiteral("No density table for nitric acid: 1 g/mL was assumed; "
                                            "the amount of a concentrated stock may be far off.");
        QCOMPARE(concentration->toolTip(), note);
        QVERIFY(mark(concentration) != nullptr);
        QVERIFY(mark(concentration)->isVisible());
        QCOMPARE(mark(concentration)->toolTip(), note);

        unit->setCurrentIndex(static_cast<int>(solvo::ConcentrationUnit::Molar));
        emit unit->activated(unit->currentIndex());
        QCOMPARE(concentration->toolTip(), QString());
        QVERIFY(!mark(concentration)->isVisible());
    }

    void weighs_an_assay_and_offers_percent_by_volume_with_a_pure_density()
    {
        Started s;
        s.Type("formula", QStringLiteral("NaCl"));
        s.Type("finalVolume", QStringLiteral("1000"));
        auto* unit = s.Find<QComboBox>("concentrationUnit");
        unit->setCurrentIndex(unit->findText(QStringLiteral("% w/v")));
        emit unit->activated(unit->currentIndex());
        s.Type("concentration", QStringLiteral("0.9000"));
        s.Type("purity", QStringLiteral("99.5"));
        QCOMPARE(s.Find<QLineEdit>("mass")->text(), QStringLiteral("9.045"));

        QCOMPARE(unit->findText(QStringLiteral("% v/v")), -1);
        s.Type("pureDensity", QStringLiteral("2.165"));
        QCOMPARE(unit->findText(QStringLiteral("% v/v")), unit->count() - 2);
        QCOMPARE(unit->itemText(unit->count() - 1), QStringLiteral("N (eq/L)"));
    }

    void every_new_composition_window_offers_the_concentration_calculator()
    {
        Started s;
        QVERIFY(solvo::test::ButtonWithText(*s.view, QStringLiteral("concentration"))->isEnabled());
        s.solvo.MainFrame()->Commands().newFile->trigger();
        auto* second = qobject_cast<solvo::CChildFrame*>(s.solvo.MainFrame()->MdiArea()->activeSubWindow());
        QVERIFY(second != nullptr && second->widget() != s.view);
        QVERIFY(solvo::test::ButtonWithText(*second->widget(), QStringLiteral("concentration"))->isEnabled());
        second->Document()->Data().SetModified(false);
    }

    void keeps_its_width_however_many_components_it_holds()
    {
        Started s;
        // The composition window fits the form exactly, so the form's size is the window's.
        const QSize form = s.view->sizeHint();
        auto* add = s.Find<QPushButton>("addSubstance");
        for (int i = 1; i < 30; ++i)
            QTest::mouseClick(add, Qt::LeftButton);
        auto* tabs = s.Find<QTabBar>("tabs");
        QCOMPARE(tabs->count(), 30);
        QCOMPARE(s.view->sizeHint(), form);
        s.view->parentWidget()->layout()->activate();
        QCOMPARE(s.view->size(), form);
        // The selected last tab is scrolled into view.
        QVERIFY(tabs->rect().contains(tabs->tabRect(29)));
    }
};

SOLVO_GUI_TEST_MAIN(CompositionViewTest)
#include "tst_compositionview.moc"
