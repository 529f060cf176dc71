#include "GuiTestFixture.h"

#include "formula/CStaticFormulaFrame.h"
#include "formula/ElementTable.h"
#include "substances/CUnsolvedFormulasDlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using solvo::CUnsolvedFormulasDlg;

class UnsolvedFormulasTest : public QObject {
    Q_OBJECT

private:
    const std::vector<std::string> magnesiumChloride_ = {"MgCl_2&2H_2O", "MgCl_2&4H_2O", "MgCl_2&6H_2O",
                                                         "MgCl_2&8H_2O", "MgCl_2&12H_2O"};
    solvo::ElementTable elements_;

    static QPushButton* Button(const QWidget& dialog, const char* text)
    {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String(text))
                return button;
        }
        return nullptr;
    }

private slots:
    void initTestCase() { elements_.LoadDefaults(); }

    void offers_add_only_for_a_new_formula_and_shows_its_mass()
    {
        CUnsolvedFormulasDlg dialog(elements_, magnesiumChloride_);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("formulas"));
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->item(0)->text(), QStringLiteral("MgCl_2&12H_2O"));
        for (const char* name : {"Add", "Delete", "Modify"})
            QVERIFY(!Button(dialog, name)->isEnabled());

        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("formula"));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("mgcl_2&6h_2o"));
        QVERIFY(!Button(dialog, "Add")->isEnabled());
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("MgCl_2&6H_2O"));
        QVERIFY(!Button(dialog, "Add")->isEnabled());
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(Button(dialog, "Add")->isEnabled());
        QVERIFY(dialog.Form().Modified());
    }

    void refuses_a_formula_already_used()
    {
        CUnsolvedFormulasDlg dialog(elements_, magnesiumChloride_);
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("formula"));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("x"));
        dialog.findChild<QListWidget*>(QStringLiteral("formulas"))->setCurrentRow(1);
        QCOMPARE(edit->text(), QStringLiteral("MgCl_2&2H_2O"));
        solvo::test::MessageBoxAnswers answers({QMessageBox::Ok});
        Button(dialog, "Add")->click();
        QCOMPARE(answers.Texts(), QStringList{QStringLiteral("This formula is already used.")});
        QCOMPARE(dialog.Form().WorkingList(), magnesiumChloride_);
    }

    void delete_key_removes_the_selected_formula()
    {
        CUnsolvedFormulasDlg dialog(elements_, magnesiumChloride_);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("formulas"));
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 4);
        QVERIFY(list->findItems(QStringLiteral("MgCl_2&12H_2O"), Qt::MatchExactly).isEmpty());
        QVERIFY(!Button(dialog, "Delete")->isEnabled());
        QCOMPARE(dialog.Form().WorkingList().size(), 4u);
    }

    void opens_with_nothing_selected_when_the_list_takes_the_focus()
    {
        CUnsolvedFormulasDlg dialog(elements_, magnesiumChloride_);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("formulas"));
        list->setFocus(Qt::TabFocusReason);
        QVERIFY(list->hasFocus());
        QCOMPARE(dialog.Form().Selection(), -1);
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("formula"))->text().isEmpty());
        QVERIFY(!Button(dialog, "Delete")->isEnabled());

        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 5);
        QCOMPARE(dialog.Form().WorkingList(), magnesiumChloride_);

        // The arrow key still reaches the first formula.
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(dialog.Form().Selection(), 0);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("MgCl_2&12H_2O"));
    }

    void shows_the_typed_formula_with_its_molar_mass()
    {
        CUnsolvedFormulasDlg dialog(elements_, magnesiumChloride_);
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("formula"));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("MgCl_2&6H_2O"));
        auto* frame = dialog.findChild<solvo::CStaticFormulaFrame*>();
        QVERIFY(frame->isVisible());
        QVERIFY(!frame->size().isEmpty());
        QVERIFY(dialog.rect().contains(frame->geometry()));
        QCOMPARE(frame->Frame().Caption(), std::string("203.30"));
    }
};

SOLVO_GUI_TEST_MAIN(UnsolvedFormulasTest)
#include "tst_unsolvedformulas.moc"
