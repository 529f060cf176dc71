#include "calculators/CalculatorCommands.h"

#include "app/CMainFrame.h"
#include "app/CommandActions.h"
#include "calculators/CConcentrationCalculator.h"
#include "calculators/CSolutionMixer.h"

#include <QAction>

namespace solvo {

CalculatorCommands::CalculatorCommands(CMainFrame& frame, CSolvoApp& app) : QObject(frame.Helpers())
{
    CommandActions& commands = frame.Commands();
    connect(commands.concentrationCalculator, &QAction::triggered, this,
            [&frame, &app] { CConcentrationCalculator::RunStandalone(app, &frame); });
    connect(commands.mixingCalculator, &QAction::triggered, this,
            [&frame, &app] { CSolutionMixer(app, &frame).exec(); });
    commands.concentrationCalculator->setEnabled(true);
    commands.mixingCalculator->setEnabled(true);
}

} // namespace solvo
