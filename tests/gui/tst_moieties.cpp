#include "GuiTestFixture.h"

#include "formula/CMoietiesDlg.h"
#include "formula/CStaticFormulaFrame.h"
#include "formula/ElementTable.h"
#include "app/CMainFrame.h"
#include "app/CommandActions.h"
#include "solution/CRecipeView.h"
#include "solution/CSolvoView.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace solvo;

class MoietiesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        table_.LoadDefaults();
        uses_.clear();
    }

    void lists_the_table_in_four_aligned_columns()
    {
        CMoietiesDlg dialog(table_, 4, [this] { return uses_; });
        auto* list = dialog.findChild<QTreeWidget*>();
        QCOMPARE(list->topLevelItemCount(), 103);
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("molar mass"));
        for (int column = 0; column < 4; ++column)
            QVERIFY(list->header()->sectionSize(column) >= CMoietiesDlg::kColumnWidths[column]);
        QTreeWidgetItem* sodium = list->topLevelItem(10);
        QCOMPARE(sodium->text(1), QStringLiteral("Na"));
        QCOMPARE(sodium->textAlignment(0) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
        QCOMPARE(sodium->textAlignment(1) & Qt::AlignHorizontal_Mask, int(Qt::AlignLeft));
        QCOMPARE(sodium->textAlignment(2) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
        const CStaticFormulaFrame* frame = dialog.findChild<CStaticFormulaFrame*>();
        QVERIFY(!frame->Frame().ShowsCaption());
        QVERIFY(!frame->Frame().DrawsEdge());
        for (const char* text : {"Add", "Modify", "Delete"})
            QVERIFY(!test::ButtonWithText(dialog, QLatin1String(text))->isEnabled());

        list->setCurrentItem(sodium);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("composition"))->text(),
                 QStringLiteral("Na"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("molarMass"))->text(),
                 QStringLiteral("22.98976928"));
        QCOMPARE(frame->Frame().Text(), std::string("Na"));
    }

    void adds_a_moiety_typed_with_its_composition()
    {
        CMoietiesDlg dialog(table_, 4, [this] { return uses_; });
        dialog.show();
        auto* list = dialog.findChild<QTreeWidget*>();
        // Sorted by symbol, descending: the new row joins that order.
        list->header()->sectionClicked(1);
        list->header()->sectionClicked(1);
        QCOMPARE(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);

        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("symbol")), QStringLiteral("Cit"));
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("composition")),
                         QStringLiteral("C_6H_5O_7"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("molarMass"))->text(),
                 QStringLiteral("189.0997"));
        QCOMPARE(dialog.findChild<CStaticFormulaFrame*>()->Frame().Text(), std::string("C_6H_5O_7"));
        QPushButton* add = test::ButtonWithText(dialog, QStringLiteral("Add"));
        QVERIFY(add->isEnabled());
        QTest::mouseClick(add, Qt::LeftButton);

        QCOMPARE(table_.Count(), 105);
        QCOMPARE(table_.Entry(104).decimals, 4);
        QCOMPARE(list->topLevelItemCount(), 104);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Zr"));
        const auto found = list->findItems(QStringLiteral("Cit"), Qt::MatchExactly, 1);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.front()->text(0), QStringLiteral("104"));
        QCOMPARE(found.front()->text(2), QStringLiteral("189.0997"));
        QVERIFY(!add->isEnabled());
    }

    void refuses_to_delete_a_moiety_in_use()
    {
        table_.AddEntry("Cit", "C_6H_5O_7", "", 189.0997, 4);
        uses_.assign(106, 0);
        uses_[104] = 2;
        CMoietiesDlg dialog(table_, 4, [this] { return uses_; });
        dialog.show();
        auto* list = dialog.findChild<QTreeWidget*>();
        list->setCurrentItem(list->topLevelItem(103));
        QVERIFY(test::ButtonWithText(dialog, QStringLiteral("Delete"))->isEnabled());

        test::MessageBoxAnswers answers({QMessageBox::Ok});
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(answers.Texts(),
                 QStringList{QStringLiteral("You can't remove moiety used in open documents or database.")});
        QCOMPARE(table_.Count(), 105);

        // Unused, the Delete key in the list removes it.
        uses_[104] = 0;
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(table_.Count(), 104);
        QCOMPARE(list->topLevelItemCount(), 103);
        QVERIFY(!test::ButtonWithText(dialog, QStringLiteral("Delete"))->isEnabled());
    }

    // A moiety changed in the editor while a solution uses it: the solution,
    // its composition window and its recipe take the new molar mass at once.
    void open_solutions_follow_a_changed_moiety()
    {
        test::StartedSolvo s;
        DocumentManager& documents = *s.solvo.Documents();
        s.solvo.App().Elements().AddEntry("Cit", "C_6H_5O_7", "", 189.0997, 4);
        documents.FollowElementTable();
        SolvoDocument* document = documents.Documents().front();
        auto* view = s.solvo.MainFrame()->findChild<CSolvoView*>();
        const auto type = [view](const char* field, const char* text) {
            auto* edit = view->findChild<QLineEdit*>(QLatin1String(field));
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, QLatin1String(text));
        };
        type("formula", "Na_3Cit");
        type("finalVolume", "100");
        type("concentration", "0.1");
        documents.ShowRecipeWindow(*document);
        const auto* recipe = s.solvo.MainFrame()->findChild<CRecipeView*>();
        QVERIFY(recipe);
        const auto weighing = [recipe] {
            for (const RecipeLine& line : recipe->Page().Lines(false)) {
                if (line.role == LineRole::ComponentStep)
                    return QString::fromStdString(line.text);
            }
            return QString();
        };
        auto* molarMass = view->findChild<QLineEdit*>(QStringLiteral("molarMass"));
        auto* mass = view->findChild<QLineEdit*>(QStringLiteral("mass"));
        QCOMPARE(molarMass->text(), QStringLiteral("258.069"));
        QCOMPARE(mass->text(), QStringLiteral("2.6"));
        QVERIFY2(weighing().startsWith(QStringLiteral("2. Weigh 2.6 g")), qPrintable(weighing()));
        document->Data().SetModified(false);

        bool modified = false;
        QTimer::singleShot(0, this, [&modified] {
            auto* dialog = qobject_cast<CMoietiesDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* list = dialog->findChild<QTreeWidget*>();
            const auto found = list->findItems(QStringLiteral("Cit"), Qt::MatchExactly, 1);
            QCOMPARE(found.size(), 1);
            list->setCurrentItem(found.front());
            auto* moietyMass = dialog->findChild<QLineEdit*>(QStringLiteral("molarMass"));
            moietyMass->setFocus();
            moietyMass->selectAll();
            QTest::keyClicks(moietyMass, QStringLiteral("200.0"));
            QTest::mouseClick(test::ButtonWithText(*dialog, QStringLiteral("Modify")), Qt::LeftButton);
            modified = true;
            QTest::mouseClick(test::ButtonWithText(*dialog, QStringLiteral("Exit")), Qt::LeftButton);
        });
        s.solvo.MainFrame()->Commands().moietiesEditor->trigger();
        QVERIFY(modified);
        QCOMPARE(s.solvo.App().Elements().Entry(104).molarMass, 200.0);
        QCOMPARE(molarMass->text(), QStringLiteral("268.9693"));
        QCOMPARE(mass->text(), QStringLiteral("2.7"));
        QVERIFY2(weighing().startsWith(QStringLiteral("2. Weigh 2.7 g")), qPrintable(weighing()));
        QVERIFY(document->IsModified());
    }

private:
    ElementTable table_;
    std::vector<std::int32_t> uses_;
};

SOLVO_GUI_TEST_MAIN(MoietiesTest)
#include "tst_moieties.moc"
