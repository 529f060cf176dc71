// The windowed program's own speed: start-up until the main window is first
// painted, and one keystroke in the concentration field of a 20-component
// solution until the recipe window has repainted. Runs on the offscreen
// platform with settings and data folders of its own.
#include "BenchSupport.h"

#include "app/CSolvoApp.h"
#include "app/MemorySettingsStore.h"
#include "app/PathConversion.h"
#include "app/SolvoApplication.h"
#include "solution/CRecipeView.h"
#include "solution/CSolvoView.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QSettings>
#include <QTemporaryDir>

namespace {

using solvo::bench::NoPrompts;
using solvo::bench::TwentyRowTable;

// Notes when a widget has painted itself.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void WaitForPaint(const PaintWatch& watch)
{
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void TimeStartUps(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        solvo::SolvoApplication solvo;
        solvo.Start();
        PaintWatch watch(solvo.MainFrame());
        WaitForPaint(watch);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        solvo.Finish();
    }
}

void StartUpToFirstPaint(benchmark::State& state)
{
    TimeStartUps(state);
}
BENCHMARK(StartUpToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The same with a lab's whole inventory as the program database: 100,000
// substances, each with a 20-row density table, dated a minute back as a
// file saved earlier is.
void StartUpWithLargeDatabase(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("inventory.dat"));
    {
        solvo::MemorySettingsStore store;
        solvo::CSolvoApp app(store, solvo::DataFolder(solvo::ToFilePath(folder.path())));
        app.InstallDefaults();
        solvo::SolvoSubstance substance = app.Substances().GetSubstance(0);
        substance.Table().SetText(TwentyRowTable());
        substance.Table().SetNoTable(false);
        for (int i = 0; i < 100000; ++i) {
            substance.SetName("substance " + std::to_string(i * 7919 % 100003));
            app.Substances().AddSubstance(substance);
        }
        NoPrompts prompts;
        app.SaveDatabaseFile(solvo::ToFilePath(path), false, prompts);
    }
    QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    QSettings().setValue(QStringLiteral("Settings/DatabasePath"), path);
    TimeStartUps(state);
    QSettings().remove(QStringLiteral("Settings/DatabasePath"));
}
BENCHMARK(StartUpWithLargeDatabase)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A solution of count salts with concentrations and a final volume.
QString WriteComponents(const QString& folder, const solvo::ElementTable& elements, int count)
{
    const char* formulas[] = {"NaCl", "KCl", "MgCl_2&6H_2O", "CaCl_2&2H_2O", "Na_2HPO_4",
                              "KH_2PO_4", "NaHCO_3", "C_6H_12O_6", "Na_2SO_4", "MgSO_4&7H_2O"};
    solvo::CSolvoDoc document;
    for (int i = 0; i < count; ++i) {
        solvo::SolvoSubstance component;
        component.SetName("salt " + std::to_string(i + 1));
        component.SetFormula(formulas[i % 10]);
        component.UpdateMolarMass(elements);
        component.SetConcentration(0.001 * (i + 1), solvo::ConcentrationUnit::Molar);
        if (i == 0)
            document.ReplaceComponent(0, component);
        else
            document.AddComponent(component);
    }
    document.SetFinalVolume(1.0);
    const QString path = folder + QStringLiteral("/salts.sln");
    document.WriteFile(solvo::ToFilePath(path), elements);
    return path;
}

void KeystrokeWithRecipeRepaint(benchmark::State& state)
{
    QTemporaryDir folder;
    solvo::SolvoApplication solvo;
    solvo.Start(WriteComponents(folder.path(), solvo.App().Elements(),
                                static_cast<int>(state.range(0))));
    solvo::SolvoDocument* document = solvo.Documents()->Documents().front();
    solvo.Documents()->ShowRecipeWindow(*document);
    solvo.Documents()->ShowCompositionWindow(*document);
    // Side by side, as a chemist works: a covered recipe would not repaint.
    solvo.MainFrame()->resize(1800, 1000);
    solvo.MainFrame()->MdiArea()->tileSubWindows();
    auto* view = solvo.MainFrame()->findChild<solvo::CSolvoView*>();
    auto* field = view->findChild<QLineEdit*>(QStringLiteral("concentration"));
    // The page is painted on the recipe view's viewport.
    QWidget* recipe = solvo.MainFrame()->findChild<solvo::CRecipeView*>()->viewport();
    field->setFocus();
    field->end(false);
    QCoreApplication::processEvents();

    PaintWatch watch(recipe);
    int key = 0;
    int paints = 0;
    for (auto _ : state) {
        watch.painted = false;
        QElapsedTimer timer;
        timer.start();
        // Alternate typing a digit at the end and taking it back, so the
        // field always holds a number.
        const bool erase = key++ % 2 == 1;
        QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_5, Qt::NoModifier,
                        erase ? QString() : QStringLiteral("5"));
        QCoreApplication::sendEvent(field, &press);
        // Everything the keystroke set off, the recipe's repaint included.
        QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        paints += watch.painted ? 1 : 0;
    }
    state.counters["recipe_repaints"] = paints;
    document->Data().SetModified(false);
    solvo.Finish();
}
BENCHMARK(KeystrokeWithRecipeRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond)->Arg(20)->Iterations(200);
// A whole inventory in one solution: the recipe grows by a line per
// component, the part of it in the window does not.
BENCHMARK(KeystrokeWithRecipeRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond)->Arg(1000)->Iterations(40);
BENCHMARK(KeystrokeWithRecipeRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond)->Arg(10000)->Iterations(6);

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("runtime"))));

    QElapsedTimer processStart;
    processStart.start();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Flaskware"));
    QApplication::setApplicationName(QStringLiteral("Solvo"));
    std::printf("QApplication created in %.1f ms\n",
                static_cast<double>(processStart.nsecsElapsed()) * 1e-6);

    // As after a first run: the database in its place, no tip of the day.
    QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0);
    const QString dataFolder = home.filePath(QStringLiteral("data/Flaskware/Solvo"));
    QDir().mkpath(dataFolder);
    solvo::MemorySettingsStore store;
    solvo::CSolvoApp app(store, solvo::DataFolder(solvo::ToFilePath(dataFolder)));
    app.InstallDefaults();
    NoPrompts prompts;
    app.SaveDatabaseFile(app.DatabaseFilePath(), false, prompts);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
