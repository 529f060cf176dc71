#include "GuiTestFixture.h"

#include "app/CSolvoApp.h"
#include "app/CommandActions.h"
#include "app/PathConversion.h"
#include "app/QtSettingsStore.h"
#include "app/SolvoApplication.h"
#include "app/StandardDataFolder.h"
#include "solution/CChildFrame.h"
#include "solution/CRecipeView.h"
#include "solution/DocumentManager.h"
#include "solution/RecipePainter.h"
#include "solution/RecipePdfExport.h"
#include "solution/SolvoDocument.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMdiArea>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// What a call writes to standard error.
template <typename Call> QString StandardError(Call call)
{
    QTemporaryFile capture;
    if (!capture.open())
        return {};
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    call();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    return QString::fromLocal8Bit(capture.readAll());
}

// A page object of a PDF, not the page tree ("/Type /Pages").
int PageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

void MakeSodiumChloride(solvo::CSolvoDoc& data)
{
    solvo::SolvoSubstance& salt = data.GetComponent(0);
    salt.SetName("sodium chloride");
    salt.SetFormula("NaCl");
    salt.SetMolarMass(58.44);
    salt.SetConcentration(0.1, solvo::ConcentrationUnit::Molar);
    salt.SetConcentrationDigits(4);
    data.SetFinalVolume(0.5);
    data.SetVolumeDigits(3);
}

// The help's borax standard: 0.05 M in 250 mL, weighed exactly, whose
// weighing step is longer than the page is wide.
void MakeBoraxStandard(solvo::CSolvoDoc& data)
{
    solvo::SolvoSubstance& borax = data.GetComponent(0);
    borax.SetName("sodium tetraborate - standard");
    borax.SetFormula("Na_2B_4O_7&10H_2O");
    borax.SetMolarMass(381.37);
    borax.SetConcentration(0.05, solvo::ConcentrationUnit::Molar);
    borax.SetConcentrationDigits(4);
    borax.SetStandardSubstance(true);
    borax.SetPrepareStandardSolution(true);
    data.SetFinalVolume(0.25);
}

// Text as compared across the PDF: without spaces, line breaks and the dots
// that a hydrate's formula is drawn or written with.
QString Squeezed(QString text)
{
    static const QRegularExpression dropped(QStringLiteral("[\\s.\u00B7]"));
    return text.remove(dropped);
}

// A hydrate, and an ion whose exact weight is still to come (a grey line).
void MakeCopperSulfate(solvo::CSolvoDoc& data)
{
    solvo::SolvoSubstance& salt = data.GetComponent(0);
    salt.SetName("copper sulfate");
    salt.SetFormula("CuSO_4&5H_2O");
    salt.SetMolarMass(249.68);
    salt.SetConcentration(0.1, solvo::ConcentrationUnit::Molar);
    salt.SetConcentrationDigits(4);
    data.AddComponent(solvo::SolvoSubstance());
    solvo::SolvoSubstance& ion = data.GetComponent(1);
    ion.SetName("sulfate");
    ion.SetFormula("SO_4^{2-}");
    ion.SetMolarMass(96.06);
    ion.SetConcentration(0.01, solvo::ConcentrationUnit::Molar);
    ion.SetStandardSubstance(true);
    ion.SetPrepareStandardSolution(true);
    data.SetFinalVolume(1.0);
}

// The recipe as a word processor reads the HTML form: its blocks' texts, in
// order, the numbered ones with their numbers, the grey ones marked "(grey)",
// and the raised or lowered runs in brackets.
QStringList ReadHtml(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString text;
        if (const QTextList* list = block.textList())
            text = list->itemText(block) + QLatin1Char(' ');
        bool grey = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            grey = grey || format.foreground().color() == QColor(192, 192, 192);
            switch (format.verticalAlignment()) {
            case QTextCharFormat::AlignSubScript:
                text += QStringLiteral("_[") + fragment.text() + QLatin1Char(']');
                break;
            case QTextCharFormat::AlignSuperScript:
                text += QStringLiteral("^[") + fragment.text() + QLatin1Char(']');
                break;
            default:
                text += fragment.text();
            }
        }
        // Line breaks between elements may read as a space at a block's end.
        text = text.trimmed();
        blocks.append(grey ? text + QStringLiteral(" (grey)") : text);
    }
    return blocks;
}

} // namespace

class RecipeViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        app_.Initialise();
        app_.Data().EnsureExists();
        app_.InstallDefaults();
        app_.ReadUnitLabels();
    }

    // The tip of the day would stand in front of the main window.
    void init() { QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0); }

    void redraws_the_page_after_every_change_of_the_document()
    {
        solvo::SolvoDocument document(app_, QStringLiteral("Solvo1"));
        QWidget window;
        solvo::CommandActions commands(&window);
        solvo::CRecipeView view(document, commands);
        view.resize(view.sizeHint());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage empty = view.grab().toImage();

        PaintCounter counter;
        view.viewport()->installEventFilter(&counter);
        MakeSodiumChloride(document.Data());
        document.Edited();
        QTRY_VERIFY(counter.paints > 0);
        QVERIFY(view.grab().toImage() != empty);
    }

    // The window keeps its layout between paints; after any change to the
    // document it is the layout made afresh, with no signal to tell it.
    void the_kept_layout_follows_every_change()
    {
        solvo::SolvoDocument document(app_, QStringLiteral("Solvo1"));
        MakeSodiumChloride(document.Data());
        const solvo::RecipePainter painter(document);
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        QPainter device(&image);
        const auto rows = [](const solvo::RecipePainter::Sheets& laid) {
            QStringList placed;
            for (const solvo::RecipePage::Sheet& sheet : laid.sheets) {
                for (const solvo::RecipePage::Row& row : sheet.rows) {
                    const std::string& text = laid.lines[row.line].text;
                    placed << QStringLiteral("%1 %2 %3")
                                  .arg(row.place.x)
                                  .arg(row.place.y)
                                  .arg(QString::fromLatin1(text.substr(row.begin, row.end - row.begin)));
                }
                placed << QString::fromStdString(sheet.pageLabel);
            }
            return placed;
        };
        solvo::CSolvoDoc& data = document.Data();
        const std::vector<std::function<void()>> changes = {
            [&] { data.GetComponent(0).SetConcentration(0.25, solvo::ConcentrationUnit::Molar); },
            [&] { data.GetComponent(0).SetName(std::string(300, 'n')); },
            [&] {
                while (data.GetComponentCount() < 30)
                    data.AddComponent(data.GetComponent(0));
            },
            [&] { data.SetFinalVolume(2.0); },
        };
        QCOMPARE(rows(painter.ScreenLayout(device)), rows(painter.Layout(device, false)));
        for (const auto& change : changes) {
            const QStringList before = rows(painter.ScreenLayout(device));
            change();
            const QStringList after = rows(painter.ScreenLayout(device));
            QVERIFY(after != before);
            QCOMPARE(after, rows(painter.Layout(device, false)));
        }
    }

    void shows_the_page_at_its_size_on_paper()
    {
        solvo::SolvoDocument document(app_, QStringLiteral("Solvo1"));
        QWidget window;
        solvo::CommandActions commands(&window);
        solvo::CRecipeView view(document, commands);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // 180 mm by 275 mm at the screen's resolution, scrolled to reach it all.
        QCOMPARE(view.Scale(), view.logicalDpiY() / 254.0);
        QVERIFY(view.verticalScrollBar()->maximum() >= qRound(2750 * view.Scale()) - 300);
        QVERIFY(view.horizontalScrollBar()->maximum() >= qRound(1800 * view.Scale()) - 400);
    }

    void print_commands_follow_the_active_recipe_window()
    {
        solvo::SolvoApplication solvo;
        QVERIFY(solvo.Start());
        solvo::CommandActions& c = solvo.MainFrame()->Commands();
        QVERIFY(c.printSetup->isEnabled());
        QVERIFY(!c.print->isEnabled());

        solvo::SolvoDocument* document = solvo.Documents()->ActiveDocument();
        QVERIFY(document);
        solvo.Documents()->ShowRecipeWindow(*document);
        auto* frame = qobject_cast<solvo::CChildFrame*>(
            solvo.MainFrame()->MdiArea()->activeSubWindow());
        QVERIFY(frame);
        QCOMPARE(frame->windowTitle(), QStringLiteral("Solvo1 - recipe"));
        QVERIFY(qobject_cast<solvo::CRecipeView*>(frame->widget()));
        for (QAction* action : {c.print, c.printPreview, c.exportPdf})
            QVERIFY(action->isEnabled());

        solvo.Documents()->ShowCompositionWindow(*document);
        for (QAction* action : {c.print, c.printPreview, c.exportPdf})
            QVERIFY(!action->isEnabled());
        solvo.Documents()->CloseAllWithoutAsking();
        solvo.Finish();
    }

    void copies_the_recipe_as_text_html_and_rich_text()
    {
        solvo::SolvoApplication solvo;
        QVERIFY(solvo.Start());
        solvo::CommandActions& c = solvo.MainFrame()->Commands();
        solvo::SolvoDocument* document = solvo.Documents()->ActiveDocument();
        QVERIFY(document);
        MakeCopperSulfate(document->Data());
        document->Edited();
        QVERIFY(!c.copyRecipe->isEnabled());
        solvo.Documents()->ShowRecipeWindow(*document);
        auto* frame = qobject_cast<solvo::CChildFrame*>(
            solvo.MainFrame()->MdiArea()->activeSubWindow());
        QVERIFY(frame);
        auto* view = qobject_cast<solvo::CRecipeView*>(frame->widget());
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowActive(view->window()));
        view->setFocus();
        for (QAction* action : {c.copy, c.copyRecipe, c.exportHtml})
            QVERIFY(action->isEnabled());
        QVERIFY(!c.cut->isEnabled());
        const QList<QAction*> fileMenu =
            solvo.MainFrame()->menuBar()->actions().first()->menu()->actions();
        const qsizetype pdf = fileMenu.indexOf(c.exportPdf);
        QVERIFY(pdf > 0);
        QCOMPARE(fileMenu.mid(pdf, 3), (QList<QAction*>{c.exportPdf, c.exportHtml, c.copyRecipe}));

        // The menu item, the Copy command and Ctrl+C put the same three forms.
        const auto copies = std::initializer_list<std::function<void()>>{
            [&] { c.copyRecipe->trigger(); },
            [&] { c.copy->trigger(); },
            [&] { QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier); },
        };
        for (const auto& copy : copies) {
            QGuiApplication::clipboard()->clear();
            copy();
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            QVERIFY(data);
            QVERIFY(data->hasText());
            QVERIFY(data->hasHtml());
            for (const QString& format : {QStringLiteral("text/rtf"), QStringLiteral("text/richtext"),
                                          QStringLiteral("application/rtf")})
                QVERIFY2(data->data(format).startsWith("{\\rtf1\\ansi"), qPrintable(format));
            const QStringList text = data->text().split(QLatin1Char('\n'));
            QCOMPARE(text.value(1), QStringLiteral("0.1000 M (mol/L) copper sulfate CuSO4.5H2O"));
            QCOMPARE(text.value(2), QStringLiteral("~0.01000 M (mol/L) sulfate SO42-"));
            QVERIFY(text.contains(QStringLiteral("1. Put about 800 mL of water into volumetric flask.")));

            const QStringList html = ReadHtml(data->html());
            QCOMPARE(html.value(1), QStringLiteral("0.1000 M (mol/L) copper sulfate CuSO_[4]\u00B7" "5H_[2]O"));
            QCOMPARE(html.value(2), QStringLiteral("~0.01000 M (mol/L) sulfate SO_[4]^[2-] (grey)"));
            QVERIFY2(html.contains(QStringLiteral("1. Put about 800 mL of water into volumetric flask.")),
                     qPrintable(html.join(QLatin1Char('\n'))));
            QVERIFY(html.contains(QStringLiteral("6. Dilute to the mark with mixing.")));
        }

        // The same HTML as a file, and nothing to copy in the composition window.
        const QString path = folder_.filePath(QStringLiteral("copper.html"));
        QVERIFY(view->Page().WriteHtml(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(ReadHtml(QString::fromUtf8(file.readAll())),
                 ReadHtml(QGuiApplication::clipboard()->mimeData()->html()));
        QVERIFY(!view->Page().WriteHtml(folder_.filePath(QStringLiteral("no/such/copper.html"))));

        // In the composition window Ctrl+C copies a field's selection again.
        solvo.Documents()->ShowCompositionWindow(*document);
        QVERIFY(!c.copyRecipe->isEnabled());
        QVERIFY(!c.exportHtml->isEnabled());
        auto* name = solvo.MainFrame()->findChild<QLineEdit*>(QStringLiteral("name"));
        QVERIFY(name);
        name->setFocus();
        name->setSelection(0, 6);
        QVERIFY(c.copy->isEnabled());
        QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sulfat"));
        name->deselect();
        QVERIFY(!c.copy->isEnabled());
        solvo.Documents()->CloseAllWithoutAsking();
        solvo.Finish();
    }

    void exports_the_printed_recipe_as_one_pdf_page()
    {
        const QString solution = folder_.filePath(QStringLiteral("salt.sln"));
        const QString pdf = folder_.filePath(QStringLiteral("salt.pdf"));
        {
            solvo::SolvoDocument document(app_, QStringLiteral("Solvo1"));
            MakeSodiumChloride(document.Data());
            QVERIFY(document.Save(solution));
        }
        // On an account where the program never ran: the built-in database,
        // silently, and none written.
        const QString database = solvo::ToQString(app_.DatabaseFilePath());
        const QString aside = database + QStringLiteral(".aside");
        QVERIFY(QFile::rename(database, aside));
        int status = -1;
        const QString error =
            StandardError([&] { status = solvo::RecipePdfExport::Run(pdf, solution); });
        const bool written = QFile::exists(database);
        QVERIFY(QFile::rename(aside, database));
        QCOMPARE(status, solvo::RecipePdfExport::kSucceeded);
        QCOMPARE(error, QString());
        QVERIFY(!written);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(PageCount(bytes), 1);
    }

    // An export is a save like any other: it replaces the file whole and
    // keeps the link and the permissions the user set up, whatever the names.
    void an_export_over_a_linked_private_file_keeps_the_link_and_the_mode()
    {
        const QString solution = folder_.filePath(QStringLiteral("Lösung.sln"));
        {
            solvo::SolvoDocument document(app_, QStringLiteral("Solvo1"));
            MakeSodiumChloride(document.Data());
            QVERIFY(document.Save(solution));
        }
        QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("Données")));
        const QString target = folder_.filePath(QStringLiteral("Données/recette é.pdf"));
        const QString link = folder_.filePath(QStringLiteral("recette.pdf"));
        {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(target, link));

        QCOMPARE(solvo::RecipePdfExport::Run(link, solution), solvo::RecipePdfExport::kSucceeded);
        QVERIFY(QFileInfo(link).isSymLink());
        const QFile::Permissions own = QFile::ReadOwner | QFile::WriteOwner;
        QCOMPARE(QFile::permissions(target) & ~(QFile::ReadUser | QFile::WriteUser), own);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-"));
    }

    void export_fails_with_the_programs_message()
    {
        const QString good = folder_.filePath(QStringLiteral("good.sln"));
        {
            solvo::SolvoDocument document(app_, QStringLiteral("Solvo1"));
            MakeSodiumChloride(document.Data());
            QVERIFY(document.Save(good));
        }
        QFile whole(good);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        const QString cut = folder_.filePath(QStringLiteral("cut.sln"));
        QFile half(cut);
        QVERIFY(half.open(QIODevice::WriteOnly));
        half.write(bytes.left(bytes.size() / 2));
        half.close();

        const QString pdf = folder_.filePath(QStringLiteral("out.pdf"));
        const QString missing = folder_.filePath(QStringLiteral("missing.sln"));
        const QString noFolder = folder_.filePath(QStringLiteral("no/such/folder/out.pdf"));
        const struct {
            QString pdf;
            QString solution;
            QString message;
        } cases[] = {
            {pdf, cut, cut + QStringLiteral(": Unexpected file format.\n")},
            {pdf, missing, missing + QStringLiteral(": Failed to open document.\n")},
            {noFolder, good,
             noFolder +
                 QStringLiteral(": the file cannot be written. No such file or directory.\n")},
        };
        for (const auto& c : cases) {
            int status = -1;
            const QString error =
                StandardError([&] { status = solvo::RecipePdfExport::Run(c.pdf, c.solution); });
            QCOMPARE(status, solvo::RecipePdfExport::kFailed);
            QCOMPARE(error, c.message);
            QVERIFY(!QFile::exists(pdf));
        }
    }

    void every_line_of_a_long_recipe_reaches_the_pdf_data()
    {
        QTest::addColumn<int>("components");
        QTest::addColumn<bool>("borax");
        QTest::addColumn<int>("pages");
        QTest::newRow("1 component") << 1 << false << 1;
        QTest::newRow("12 components") << 12 << false << 2;
        QTest::newRow("30 components") << 30 << false << 3;
        QTest::newRow("100 components") << 100 << false << 0;
        QTest::newRow("the help's borax standard") << 1 << true << 1;
    }

    // Counted in the PDF's own text: a page that cuts or overprints a line
    // loses it there.
    void every_line_of_a_long_recipe_reaches_the_pdf()
    {
        QFETCH(int, components);
        QFETCH(bool, borax);
        QFETCH(int, pages);
        const QString solution = folder_.filePath(QStringLiteral("long.sln"));
        {
            solvo::SolvoDocument document(app_, QStringLiteral("long"));
            MakeSodiumChloride(document.Data());
            if (borax)
                MakeBoraxStandard(document.Data());
            const solvo::SolvoSubstance salt = document.Data().GetComponent(0);
            while (document.Data().GetComponentCount() < components)
                document.Data().AddComponent(salt);
            QVERIFY(document.Save(solution));
        }
        const QString pdf = folder_.filePath(QStringLiteral("long.pdf"));
        QCOMPARE(solvo::RecipePdfExport::Run(pdf, solution), solvo::RecipePdfExport::kSucceeded);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        QCOMPARE(text.exitCode(), 0);
        const QString printed = Squeezed(QString::fromUtf8(text.readAllStandardOutput()));

        solvo::SolvoDocument document(app_, QStringLiteral("long.sln"));
        QCOMPARE(document.Read(solution).status, solvo::CSolvoDoc::ReadStatus::Read);
        const std::vector<solvo::RecipeLine> lines = solvo::RecipePainter(document).Lines(true);
        qsizetype at = 0;
        int steps = 0;
        for (const solvo::RecipeLine& line : lines) {
            QString expected = QString::fromLatin1(line.text);
            if (line.DrawsFormula())
                expected.replace(QStringLiteral("<SUBSTANCEFORMULA>"), QString::fromLatin1(line.formula));
            expected = Squeezed(expected.remove(QLatin1Char('_')).replace(QLatin1Char('&'), QString()));
            const qsizetype found = printed.indexOf(expected, at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing or out of order: ") + expected));
            at = found + expected.size();
            steps += line.role == solvo::LineRole::FinalStep ? 1 : 0;
        }
        QCOMPARE(steps, 1);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const int count = PageCount(file.readAll());
        if (pages > 0)
            QCOMPARE(count, pages);
        if (count > 1)
            QVERIFY(printed.contains(Squeezed(QStringLiteral("page %1 of %1").arg(count))));
    }

    void places_the_printed_page_alike_on_every_device_data()
    {
        QTest::addColumn<QMarginsF>("margins");
        QTest::addColumn<QPointF>("paper");
        QTest::newRow("a PDF printed through the print dialog") << QMarginsF(3.53, 3.53, 3.53, 3.53)
                                                                << QPointF(10, 10);
        QTest::newRow("an exported PDF") << QMarginsF(10, 10, 10, 10) << QPointF(10, 10);
        QTest::newRow("no margins") << QMarginsF(0, 0, 0, 0) << QPointF(10, 10);
        QTest::newRow("margins wider than the room") << QMarginsF(20, 15, 20, 15) << QPointF(20, 15);
    }

    void places_the_printed_page_alike_on_every_device()
    {
        QFETCH(QMarginsF, margins);
        QFETCH(QPointF, paper);
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter);
        const QPointF corner = solvo::RecipePainter::PageCorner(layout);
        QCOMPARE(QPointF(margins.left(), margins.top()) + corner, paper);

        // The printer behind the print dialog, printing to a PDF file.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageMargins(margins, QPageLayout::Millimeter);
        QCOMPARE(solvo::RecipePainter::PageCorner(printer.pageLayout()), corner);

        QPrinter asItComes(QPrinter::HighResolution);
        asItComes.setOutputFormat(QPrinter::PdfFormat);
        const QMarginsF own = asItComes.pageLayout().margins(QPageLayout::Millimeter);
        QCOMPARE(QPointF(own.left(), own.top()) + solvo::RecipePainter::PageCorner(asItComes.pageLayout()),
                 QPointF(10, 10));
    }

private:
    solvo::QtSettingsStore store_;
    solvo::CSolvoApp app_{store_, solvo::StandardDataFolder()};
    QTemporaryDir folder_;
};

SOLVO_GUI_TEST_MAIN(RecipeViewTest)
#include "tst_recipeview.moc"
