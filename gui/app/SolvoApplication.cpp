#include "app/SolvoApplication.h"

#include "app/CTipofTheDay.h"
#include "app/CommandActions.h"
#include "app/DatabaseCommands.h"
#include "app/DatabaseMenu.h"
#include "app/HelpCommands.h"
#include "app/HelpWindow.h"
#include "app/MessagePrompts.h"
#include "app/StandardDataFolder.h"
#include "buffers/BufferCommands.h"
#include "calculators/CConcentrationCalculator.h"
#include "calculators/CalculatorCommands.h"
#include "solution/CRecipeView.h"
#include "solution/CSolvoView.h"
#include "solution/DocumentManager.h"
#include "solution/RecipePrintCommands.h"
#include "solution/SolvoDocument.h"
#include "substances/CSubstanceDatabaseDlg.h"

#include <QAction>

namespace solvo {

SolvoApplication::SolvoApplication() : app_(store_, StandardDataFolder()) {}

SolvoApplication::~SolvoApplication() = default;

bool SolvoApplication::Start(const QString& fileToOpen)
{
    app_.Initialise();
    recentFiles_.Read(store_);

    mainFrame_ = std::make_unique<CMainFrame>(app_, recentFiles_);
    documents_ = new DocumentManager(app_, *mainFrame_, recentFiles_, store_);
    documents_->SetCompositionViewFactory([this](SolvoDocument& document) {
        auto* view = new CSolvoView(document, *documents_, mainFrame_->Commands());
        view->chooseFromDatabase = [this, view](const SolvoSubstance& component) {
            return CSubstanceDatabaseDlg::Choose(app_, component, view);
        };
        view->runConcentrationCalculator = [this, view](SolvoSubstance& component, double millilitres) {
            const auto result = CConcentrationCalculator::RunLocked(app_, component, millilitres, 0.0, view);
            return CSolvoView::CalculatorResult{result.accepted, result.volume};
        };
        return view;
    });
    documents_->SetRecipeViewFactory([this](SolvoDocument& document) {
        return new CRecipeView(document, mainFrame_->Commands());
    });
    new RecipePrintCommands(*mainFrame_, store_);
    mainFrame_->closeGuard = [this] { return MayQuit(); };
    help_ = new HelpCommands(*mainFrame_);
    new CalculatorCommands(*mainFrame_, app_);
    new BufferCommands(*mainFrame_, app_, *documents_);
    QAction* database = mainFrame_->Commands().database;
    QObject::connect(database, &QAction::triggered, mainFrame_.get(),
                     [this] {
                         CSubstanceDatabaseDlg::Browse(app_, mainFrame_.get());
                         // The molar masses follow an element table read again.
                         documents_->FollowElementTable();
                     });
    database->setEnabled(true);

    app_.Data().EnsureExists();
    MessagePrompts prompts(mainFrame_.get());
    app_.StartDatabase(prompts, true);
    documents_->FollowElementTable();
    app_.ReadUnitLabels();
    new DatabaseMenu(app_, *mainFrame_, *documents_);

    if (fileToOpen.isEmpty())
        documents_->NewDocument();
    else if (!documents_->OpenDocument(fileToOpen))
        return false;
    mainFrame_->show();

    if (app_.Settings().FirstRun() != 0) {
        app_.Settings().SetFirstRun(0);
        help_->ShowTopic(QString::fromLatin1(HelpWindow::kFirstRunTutorial));
    } else if (app_.Settings().ShowTipOfTheDay() != 0) {
        CTipofTheDay(app_.Settings(), mainFrame_.get()).exec();
    }
    return true;
}

bool SolvoApplication::MayQuit()
{
    const bool documentsDone = documents_->QuerySaveAll();
    MessagePrompts prompts(mainFrame_.get());
    SaveDatabaseCommand(app_, prompts);
    if (!documentsDone)
        return false;
    documents_->CloseAllWithoutAsking();
    return true;
}

void SolvoApplication::Finish()
{
    mainFrame_.reset();
    app_.Finalise();
}

} // namespace solvo
