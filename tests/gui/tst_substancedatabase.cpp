#include "GuiTestFixture.h"

#include "app/SolvoApplication.h"
#include "app/TextConversion.h"
#include "formula/CStaticFormulaFrame.h"
#include "solution/CSolvoView.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"
#include "library/CLibraryDlg.h"
#include "substances/CSubstanceDatabaseDlg.h"
#include "substances/CUnsolvedFormulasDlg.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

using solvo::CSubstanceDatabaseDlg;
using solvo::DatabaseDialogMode;
using solvo::test::FindChild;

class SubstanceDatabaseTest : public QObject {
    Q_OBJECT

private:
    using Started = solvo::test::StartedSolvo;

    static QPushButton* ButtonNamed(const QWidget& dialog, const QString& text)
    {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button;
        }
        return nullptr;
    }

    static void SelectRow(QListView* list, const QString& text)
    {
        const QModelIndexList found =
            list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        list->setCurrentIndex(found.front());
    }

private slots:
    void initTestCase() { QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0); }

    void filters_selects_and_deletes_through_the_widgets()
    {
        Started s;
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Substances database (10 items/10 listed)"));
        auto* list = FindChild<QListView>(dialog, "substances");
        QCOMPARE(list->model()->rowCount(), 10);
        QVERIFY(!ButtonNamed(dialog, QStringLiteral("Use"))->isEnabled());

        auto* filter = FindChild<QLineEdit>(dialog, "filter");
        filter->setFocus();
        filter->selectAll();
        QTest::keyClicks(filter, QStringLiteral("sodium"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Substances database (10 items/3 listed)"));
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(filter->text(), QStringLiteral("sodium"));
        QCOMPARE(filter->cursorPosition(), 6);

        SelectRow(list, QStringLiteral("sodium chloride"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "name")->text(), QStringLiteral("sodium chloride"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "formula")->text(), QStringLiteral("NaCl"));
        QVERIFY(!FindChild<QLineEdit>(dialog, "molarMass")->isEnabled());

        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Substances database (9 items/2 listed)"));
        QCOMPARE(s.solvo.App().Substances().FindByName("sodium chloride"), nullptr);
        QCOMPARE(FindChild<QLineEdit>(dialog, "name")->text(), QStringLiteral("sodium chloride"));
        QVERIFY(ButtonNamed(dialog, QStringLiteral("Add"))->isEnabled());
    }

    // A slow pattern over many names is listed between events, and the list
    // ends with the newest filter typed.
    void lists_a_slow_filter_between_events_and_ends_with_the_newest()
    {
        Started s;
        solvo::SolvoSubstanceDatabase& substances = s.solvo.App().Substances();
        solvo::SolvoSubstance substance = substances.GetSubstance(0);
        for (int i = 0; i < 20000; ++i) {
            substance.SetName(std::string(40, 'a') + " " + std::to_string(i));
            substances.AddSubstance(substance);
        }
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        auto* list = FindChild<QListView>(dialog, "substances");
        auto* filter = FindChild<QLineEdit>(dialog, "filter");
        filter->setFocus();
        filter->selectAll();
        QTest::keyClicks(filter, QStringLiteral("((a|aa)+)+(a|a?)+c"));
        QVERIFY(dialog.Form().Filtering());
        filter->selectAll();
        QTest::keyClicks(filter, QStringLiteral("1234"));
        QTRY_VERIFY(!dialog.Form().Filtering());
        QCOMPARE(list->model()->rowCount(), 12);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Substances database (20010 items/12 listed)"));
    }

    void redraws_the_plot_as_the_table_is_typed()
    {
        Started s;
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        auto* plot = FindChild<QLabel>(dialog, "plot");
        const QImage blank = plot->pixmap().toImage();
        QCOMPARE(blank.size(), QSize(102, 110));
        QCOMPARE(blank.pixelColor(50, 50), QColor(Qt::white));

        SelectRow(FindChild<QListView>(dialog, "substances"), QStringLiteral("sulfuric acid"));
        const QImage sulfuric = plot->pixmap().toImage();
        QVERIFY(sulfuric != blank);

        auto* table = FindChild<QPlainTextEdit>(dialog, "tableText");
        table->setFocus();
        table->selectAll();
        QTest::keyClicks(table, QStringLiteral("0 1.0"));
        QTest::keyClick(table, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(table, QStringLiteral("100 2.0"));
        QCOMPARE(dialog.Form().Current().Table().Text(), std::string("0 1.0\r\n100 2.0"));
        const QImage diagonal = plot->pixmap().toImage();
        // One pixel wide: the middle of the diagonal is black, its neighbours white.
        QCOMPARE(diagonal.pixelColor(51, 55), QColor(Qt::black));
        QCOMPARE(diagonal.pixelColor(51, 58), QColor(Qt::white));
        QCOMPARE(diagonal.pixelColor(51, 52), QColor(Qt::white));
    }

    void starts_a_table_line_with_ctrl_enter_and_leaves_enter_to_the_dialog_data()
    {
        QTest::addColumn<bool>("choosing");
        QTest::newRow("browsing: Use is unavailable") << false;
        QTest::newRow("choosing: Enter uses the substance") << true;
    }

    void starts_a_table_line_with_ctrl_enter_and_leaves_enter_to_the_dialog()
    {
        QFETCH(bool, choosing);
        Started s;
        CSubstanceDatabaseDlg dialog(s.solvo.App(),
                                     choosing ? DatabaseDialogMode::Choosing : DatabaseDialogMode::Browsing);
        dialog.show();
        SelectRow(FindChild<QListView>(dialog, "substances"), QStringLiteral("sulfuric acid"));
        auto* table = FindChild<QPlainTextEdit>(dialog, "tableText");
        table->setFocus();
        table->selectAll();
        QTest::keyClicks(table, QStringLiteral("0 1.000"));
        QTest::keyClick(table, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(table, QStringLiteral("10 1.100"));
        QTest::keyClick(table, Qt::Key_Enter, Qt::KeypadModifier | Qt::ControlModifier);
        QCOMPARE(dialog.Form().Current().Table().Text(), std::string("0 1.000\r\n10 1.100\r\n"));

        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(table->toPlainText(), QStringLiteral("0 1.000\n10 1.100\n"));
        QCOMPARE(dialog.isVisible(), !choosing);
        QCOMPARE(dialog.result(), choosing ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }

    void marks_a_stock_concentration_outside_the_table_red()
    {
        Started s;
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        SelectRow(FindChild<QListView>(dialog, "substances"), QStringLiteral("sulfuric acid"));
        auto* stock = FindChild<QLineEdit>(dialog, "stockConcentration");
        QVERIFY(stock->isEnabled());
        QVERIFY(stock->palette().color(QPalette::Text) != QColor(255, 0, 0));
        stock->setFocus();
        stock->selectAll();
        QTest::keyClicks(stock, QStringLiteral("120"));
        QCOMPARE(stock->palette().color(QPalette::Text), QColor(255, 0, 0));
    }

    void stock_solution_of_a_substance_stored_without_stock_unit_starts_in_the_first_unit()
    {
        Started s;
        solvo::SolvoSubstance stored = *s.solvo.App().Substances().FindByName("sulfuric acid");
        stored.SetName("sulfuric acid, no stock");
        stored.SetUseStockSolution(false);
        stored.SetStockUnit(solvo::ConcentrationUnit::OwnUnit);
        s.solvo.App().Substances().AddSubstance(stored);
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        SelectRow(FindChild<QListView>(dialog, "substances"), QStringLiteral("sulfuric acid, no stock"));
        auto* unit = FindChild<QComboBox>(dialog, "stockUnit");
        QCOMPARE(unit->currentIndex(), -1);

        QTest::mouseClick(FindChild<QCheckBox>(dialog, "useStockSolution"), Qt::LeftButton);
        QVERIFY(unit->isEnabled());
        QCOMPARE(unit->currentIndex(), 0);
        auto* stock = FindChild<QLineEdit>(dialog, "stockConcentration");
        stock->setFocus();
        stock->selectAll();
        QTest::keyClicks(stock, QStringLiteral("30"));
        QCOMPARE(stock->palette().color(QPalette::Text), QColor(255, 0, 0));
    }

    void saves_edited_unsolved_formulas_after_the_question()
    {
        Started s;
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        SelectRow(FindChild<QListView>(dialog, "substances"), QStringLiteral("magnesium chloride"));
        QPushButton* unsolved = ButtonNamed(dialog, QStringLiteral("unsolved formulas (5)"));
        QVERIFY(unsolved != nullptr);

        solvo::test::MessageBoxAnswers answers({QMessageBox::Yes});
        QTimer editor;
        connect(&editor, &QTimer::timeout, this, [] {
            auto* open = qobject_cast<solvo::CUnsolvedFormulasDlg*>(QApplication::activeModalWidget());
            if (!open)
                return;
            auto* formulas = open->findChild<QListWidget*>(QStringLiteral("formulas"));
            formulas->setCurrentRow(0);
            formulas->setFocus();
            QTest::keyClick(formulas, Qt::Key_Delete);
            open->accept();
        });
        editor.start(50);
        unsolved->click();
        QCOMPARE(answers.Texts(), QStringList{QStringLiteral("Modify database entry to save changes?")});
        QCOMPARE(unsolved->text(), QStringLiteral("unsolved formulas (4)"));
        QCOMPARE(s.solvo.App().Substances().FindByName("magnesium chloride")->Alternatives().size(), 4u);
    }

    void database_button_of_the_composition_view_chooses_a_substance()
    {
        Started s;
        auto* view = s.solvo.MainFrame()->findChild<solvo::CSolvoView*>();
        QVERIFY(view != nullptr);
        QPushButton* button = ButtonNamed(*view, QStringLiteral("database"));
        QVERIFY(button != nullptr && button->isEnabled());

        QTimer chooser;
        connect(&chooser, &QTimer::timeout, this, [] {
            auto* open = qobject_cast<CSubstanceDatabaseDlg*>(QApplication::activeModalWidget());
            if (!open)
                return;
            auto* list = open->findChild<QListView*>(QStringLiteral("substances"));
            SelectRow(list, QStringLiteral("ethanol"));
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualRect(list->currentIndex()).center());
        });
        chooser.start(50);
        button->click();
        const solvo::SolvoSubstance& component = s.solvo.Documents()->Documents().front()->Data().GetCurrentComponent();
        QCOMPARE(component.Name(), std::string("ethanol"));
        QCOMPARE(view->findChild<QLineEdit*>(QStringLiteral("formula"))->text(), QStringLiteral("C2H6O"));
    }

    void takes_a_solute_of_the_reagent_library_into_its_fields()
    {
        Started s;
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        QTimer chooser;
        connect(&chooser, &QTimer::timeout, this, [] {
            auto* open = qobject_cast<solvo::CLibraryDlg*>(QApplication::activeModalWidget());
            if (!open)
                return;
            auto* filter = open->findChild<QLineEdit*>(QStringLiteral("libraryFilter"));
            if (filter->text() == QStringLiteral("."))
                filter->clear();
            if (filter->text().isEmpty())
                QTest::keyClicks(filter, QStringLiteral("7664-41"));
            auto* list = open->findChild<QTreeWidget*>(QStringLiteral("library"));
            if (list->topLevelItemCount() != 1)
                return;
            QCOMPARE(list->topLevelItem(0)->text(4), QStringLiteral("0\u201330 % w/w, 20 \u00B0C"));
            list->setCurrentItem(list->topLevelItem(0));
            open->findChild<QPushButton*>(QStringLiteral("addFromLibrary"))->click();
        });
        chooser.start(50);
        FindChild<QPushButton>(dialog, "fromLibrary")->click();
        QCOMPARE(FindChild<QLineEdit>(dialog, "name")->text(), QStringLiteral("Ammonia"));
        QCOMPARE(FindChild<QLineEdit>(dialog, "formula")->text(), QStringLiteral("NH_3"));
        QVERIFY(FindChild<QPlainTextEdit>(dialog, "tableText")->toPlainText().startsWith(QStringLiteral("0 0.99821\n0.5 0.996\n")));
        QVERIFY(FindChild<QPushButton>(dialog, "fromLibrary")->isEnabled());
        QCOMPARE(s.solvo.App().Substances().FindByName("Ammonia"), nullptr);
        solvo::test::MessageBoxAnswers answers({QMessageBox::No});
        dialog.reject();
        QCOMPARE(answers.Texts(), QStringList{QStringLiteral("Add the substance to the database to save it?")});
    }

    void imports_substances_all_or_nothing_and_says_what_it_did()
    {
        Started s;
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        QTemporaryDir folder;
        const QString bad = folder.filePath(QStringLiteral("bad.csv"));
        const QString good = folder.filePath(QStringLiteral("good.csv"));
        for (const auto& [path, text] :
             {std::pair{bad, QByteArray("name,formula\nurea,(NH_2)_2CO\nbad,Xq\n")},
              std::pair{good, QByteArray("name,formula,density_table\nurea,(NH_2)_2CO,\nethanol,C_2H_5OH,0:0.998;10:0.982\n"
                                         "glycine,C_2H_5NO_2,\n")}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        const auto& database = s.solvo.App().Substances();
        {
            solvo::test::MessageBoxAnswers answers({QMessageBox::Ok});
            dialog.ImportSubstances(bad);
            QCOMPARE(answers.Texts(), QStringList{QStringLiteral("bad.csv: line 3: the formula \"Xq\" has a symbol that "
                                                                 "is not in the element and moiety table. Nothing was "
                                                                 "imported.")});
            QCOMPARE(database.GetSubstanceCount(), 10);
        }
        {
            // Replacing is asked first; No leaves the database as it was.
            solvo::test::MessageBoxAnswers answers({QMessageBox::No});
            dialog.ImportSubstances(good);
            QCOMPARE(database.GetSubstanceCount(), 10);
        }
        solvo::test::MessageBoxAnswers answers({QMessageBox::Yes, QMessageBox::Ok});
        dialog.ImportSubstances(good);
        QCOMPARE(answers.Texts(),
                 (QStringList{QStringLiteral("A substance of the file has the name of one in the database. Replace it?"),
                              QStringLiteral("2 substances added, 1 replaced.")}));
        QCOMPARE(database.GetSubstanceCount(), 12);
        QCOMPARE(database.FindByName("ethanol")->Table().Rows().size(), 2u);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Substances database (12 items/12 listed)"));
    }

    void completes_a_component_name_from_the_database_then_the_library()
    {
        Started s;
        auto* view = s.solvo.MainFrame()->findChild<solvo::CSolvoView*>();
        auto* name = view->findChild<QLineEdit*>(QStringLiteral("name"));
        QVERIFY(name != nullptr && name->completer() != nullptr);
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("sod"));
        QAbstractItemView* popup = name->completer()->popup();
        QTRY_VERIFY(popup->isVisible());
        QStringList offered;
        for (int row = 0; row < popup->model()->rowCount(); ++row)
            offered << popup->model()->index(row, 0).data().toString();
        QCOMPARE(offered.first(), QStringLiteral("sodium chloride"));
        QVERIFY(offered.contains(QStringLiteral("Sodium acetate (library)")));
        QVERIFY(offered.indexOf(QStringLiteral("sodium tetraborate - standard")) <
                offered.indexOf(QStringLiteral("Sodium acetate (library)")));

        const auto acetate = static_cast<int>(offered.indexOf(QStringLiteral("Sodium acetate (library)")));
        popup->setCurrentIndex(popup->model()->index(acetate, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        const solvo::SolvoSubstance& component = s.solvo.Documents()->Documents().front()->Data().GetCurrentComponent();
        QCOMPARE(component.Name(), std::string("Sodium acetate"));
        QCOMPARE(component.Table().Rows().size(), 22u);
        QCOMPARE(name->text(), QStringLiteral("Sodium acetate"));
        QCOMPARE(s.solvo.App().Substances().FindByName("Sodium acetate"), nullptr);
    }

    void opens_on_its_own_substance_when_the_list_takes_the_focus_data()
    {
        QTest::addColumn<bool>("choosing");
        QTest::addColumn<QString>("name");
        QTest::newRow("browsing") << false << QString();
        QTest::newRow("choosing") << true << QStringLiteral("my buffer salt");
    }

    void opens_on_its_own_substance_when_the_list_takes_the_focus()
    {
        QFETCH(bool, choosing);
        QFETCH(QString, name);
        Started s;
        solvo::SolvoSubstance component;
        component.SetName(name.toStdString());
        const DatabaseDialogMode mode = choosing ? DatabaseDialogMode::Choosing : DatabaseDialogMode::Browsing;
        CSubstanceDatabaseDlg dialog(s.solvo.App(), mode, component);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* list = FindChild<QListView>(dialog, "substances");
        list->setFocus(Qt::TabFocusReason);
        QVERIFY(list->hasFocus());
        QCOMPARE(dialog.Form().SelectedRow(), -1);
        QVERIFY(!list->selectionModel()->hasSelection());
        QCOMPARE(FindChild<QLineEdit>(dialog, "name")->text(), name);
        QVERIFY(!ButtonNamed(dialog, QStringLiteral("Use"))->isEnabled());
        QVERIFY(!ButtonNamed(dialog, QStringLiteral("Delete"))->isEnabled());

        QTest::keyClick(list, Qt::Key_Delete);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(s.solvo.App().Substances().GetSubstanceCount(), 10);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Form().Current().Name(), name.toStdString());
    }

    void shows_the_formula_with_its_molar_mass()
    {
        Started s;
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        auto* formula = FindChild<QLineEdit>(dialog, "formula");
        formula->setFocus();
        QTest::keyClicks(formula, QStringLiteral("NaCl"));
        auto* frame = dialog.findChild<solvo::CStaticFormulaFrame*>();
        QVERIFY(frame->isVisible());
        QVERIFY(!frame->size().isEmpty());
        QVERIFY(dialog.rect().contains(frame->geometry().translated(frame->parentWidget()->mapTo(&dialog, QPoint()))));
        QCOMPARE(frame->Frame().Caption(), std::string("58.44"));
    }

    /// With SOLVO_DIALOG_BENCH set, prints how long the dialog takes to open
    /// on 100,000 substances and to list them again after each keystroke.
    void prints_timings_with_many_substances()
    {
        if (qEnvironmentVariableIsEmpty("SOLVO_DIALOG_BENCH"))
            QSKIP("timings are printed only with SOLVO_DIALOG_BENCH set");
        Started s;
        solvo::SolvoSubstanceDatabase& substances = s.solvo.App().Substances();
        const solvo::SolvoSubstance model = substances.GetSubstance(0);
        for (int i = 0; substances.GetSubstanceCount() < 100000; ++i) {
            solvo::SolvoSubstance substance = model;
            substance.SetName("substance " + std::to_string(i * 7919 % 100003));
            substances.AddSubstance(substance);
        }
        QElapsedTimer timer;
        timer.start();
        CSubstanceDatabaseDlg dialog(s.solvo.App(), DatabaseDialogMode::Browsing);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        qInfo("open and show with %d substances: %lld ms", substances.GetSubstanceCount(),
              static_cast<long long>(timer.elapsed()));

        auto* filter = FindChild<QLineEdit>(dialog, "filter");
        filter->setFocus();
        filter->selectAll();
        for (const char key : std::string("substance 12")) {
            timer.restart();
            QTest::keyClick(filter, key);
            QCoreApplication::processEvents();
            qInfo("keystroke '%c': %lld ms, %d listed", key, static_cast<long long>(timer.elapsed()),
                  FindChild<QListView>(dialog, "substances")->model()->rowCount());
        }
    }
};

SOLVO_GUI_TEST_MAIN(SubstanceDatabaseTest)
#include "tst_substancedatabase.moc"
