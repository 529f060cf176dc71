#include "solution/CSolvoView.h"

#include "app/FieldMirror.h"
#include "app/CSolvoApp.h"
#include "app/CommandActions.h"
#include "app/MessagePrompts.h"
#include "app/ProgramTextInput.h"
#include "app/TextConversion.h"
#include "formula/CStaticFormulaFrame.h"
#include "quantities/CFEdit.h"
#include "quantities/FieldTransfer.h"
#include "solution/CRecipeView.h"
#include "solution/DocumentManager.h"
#include "solution/NameCompleter.h"
#include "solution/SolvoDocument.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>

namespace solvo {

namespace {

constexpr std::array kAllFields = {CompositionField::Name,          CompositionField::Formula,
                                   CompositionField::MolarMass,     CompositionField::Concentration,
                                   CompositionField::SourceFormula, CompositionField::SourceValue,
                                   CompositionField::Mass,          CompositionField::FinalVolume,
                                   CompositionField::Purity,        CompositionField::Equivalents,
                                   CompositionField::PureDensity};
constexpr std::array kAllLists = {CompositionList::ConcentrationUnit, CompositionList::Source,
                                  CompositionList::SourceUnit, CompositionList::VolumeUnit};

// What the recipe assumes about a field's value shows as the field's tool
// tip and as a warning mark at its end, which carries the same tip.
void MirrorNote(QLineEdit& edit, const std::string& note)
{
    const QString text = ToQString(note);
    const QString markName = QStringLiteral("recipeNote");
    auto* mark = edit.findChild<QAction*>(markName, Qt::FindDirectChildrenOnly);
    if (mark == nullptr && !note.empty()) {
        mark = edit.addAction(edit.style()->standardIcon(QStyle::SP_MessageBoxWarning),
                              QLineEdit::TrailingPosition);
        mark->setObjectName(markName);
    }
    if (mark != nullptr) {
        mark->setToolTip(text);
        mark->setVisible(!note.empty());
    }
    edit.setToolTip(text);
}

// The view of type View that holds widget, or null.
template <typename View> View* ViewOf(QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (auto* view = qobject_cast<View*>(widget))
            return view;
    }
    return nullptr;
}

} // namespace

CSolvoView::CSolvoView(SolvoDocument& document, DocumentManager& documents, CommandActions& commands,
                       QWidget* parent)
    : QWidget(parent),
      document_(document),
      documents_(documents),
      commands_(commands),
      form_(document.Data(), document.App().Elements(), document.App().Units(), document.App().DisplayDigits()),
      widgets_(*this, document.App().Elements(), [&app = document.App()] { return app.DisplayDigits(); })
{
    form_.Open();
    Mirror();
    Connect();
    ConnectClipboard();
}

CSolvoView::~CSolvoView()
{
    // QWidget takes the fields down after this part of the view is gone, and
    // the focus leaving them is announced application-wide.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
}

void CSolvoView::Connect()
{
    for (CompositionField field : kAllFields) {
        QLineEdit* edit = widgets_.Field(field);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { FieldEdited(field, text); });
        if (auto* number = qobject_cast<CFEdit*>(edit)) {
            connect(number, &CFEdit::reformatted, this, [this, field](const QString& text) {
                form_.Reformatted(field, ToProgramText(text).value_or(std::string()));
            });
        }
    }
    for (CompositionList list : kAllLists) {
        connect(widgets_.List(list), &QComboBox::activated, this,
                [this, list](int index) { Finish(form_.Choose(list, index)); });
    }
    connect(widgets_.tabs, &QTabBar::currentChanged, this, [this](int index) { Finish(form_.SelectTab(index)); });
    connect(widgets_.prepareStandard, &QCheckBox::clicked, this,
            [this](bool checked) { Finish(form_.ClickPrepareStandard(checked)); });
    connect(widgets_.addSubstance, &QPushButton::clicked, this, [this] { Finish(form_.AddSubstance()); });
    connect(widgets_.removeSubstance, &QPushButton::clicked, this, [this] { Finish(form_.RemoveSubstance()); });
    connect(widgets_.showRecipe, &QPushButton::clicked, this, [this] { Finish(form_.ShowRecipe()); });
    connect(widgets_.database, &QPushButton::clicked, this, &CSolvoView::ChooseFromDatabase);
    new NameCompleter(*widgets_.Field(CompositionField::Name), document_.App(),
                      [this](const SolvoSubstance& chosen) { Finish(form_.UseDatabaseSubstance(chosen)); });
    connect(widgets_.concentration, &QPushButton::clicked, this, &CSolvoView::RunConcentrationCalculator);
    connect(&document_, &SolvoDocument::changed, this, &CSolvoView::DocumentChanged);
    connect(&document_, &SolvoDocument::componentsChanged, this, [this] {
        form_.FollowComponents();
        Mirror();
    });
}

void CSolvoView::FieldEdited(CompositionField field, const QString& text)
{
    const std::optional<std::string> programText =
        TakeProgramText(*widgets_.Field(field), text, form_.Text(field));
    if (programText)
        Finish(form_.Type(field, *programText));
}

void CSolvoView::Finish(const CompositionOutcome& outcome)
{
    Mirror();
    if (outcome.invalidField) {
        MessagePrompts(this).ShowMessage(
            outcome.message.empty() ? kEnterNumberMessage : std::string_view(outcome.message),
            PromptIcon::Exclamation);
        widgets_.Field(*outcome.invalidField)->setFocus();
    }
    if (outcome.edited) {
        reporting_ = true;
        document_.Edited();
        reporting_ = false;
    }
    if (outcome.showRecipe)
        documents_.ShowRecipeWindow(document_);
}

void CSolvoView::Mirror()
{
    {
        const QSignalBlocker blocker(widgets_.tabs);
        const std::vector<std::string>& titles = form_.TabTitles();
        while (widgets_.tabs->count() > static_cast<int>(titles.size()))
            widgets_.tabs->removeTab(widgets_.tabs->count() - 1);
        for (std::size_t i = 0; i < titles.size(); ++i) {
            const int index = static_cast<int>(i);
            if (index >= widgets_.tabs->count())
                widgets_.tabs->addTab(ToQString(titles[i]));
            else if (widgets_.tabs->tabText(index) != ToQString(titles[i]))
                widgets_.tabs->setTabText(index, ToQString(titles[i]));
        }
        widgets_.tabs->setCurrentIndex(form_.CurrentTab());
    }
    for (CompositionField field : kAllFields)
        MirrorField(field);
    for (CompositionList list : kAllLists)
        MirrorList(list);
    widgets_.prepareStandard->setChecked(form_.PrepareStandardChecked());
    widgets_.prepareStandard->setEnabled(form_.PrepareStandardEnabled());
    widgets_.sourceValueLabel->setText(ToQString(form_.SourceValueLabel()));
    widgets_.massLabel->setText(ToQString(form_.MassLabel()));
    widgets_.formulaFrame->SetFormulaText(form_.FormulaFrameText(), true);
    widgets_.sourceFormulaFrame->SetFormulaText(form_.SourceFormulaFrameText(), true);
}

void CSolvoView::MirrorField(CompositionField field)
{
    MirrorLineEdit(*widgets_.Field(field), form_.Text(field), form_.Enabled(field), form_.Red(field));
    MirrorNote(*widgets_.Field(field), form_.Note(field));
}

void CSolvoView::MirrorList(CompositionList list)
{
    MirrorComboBox(*widgets_.List(list), form_.Items(list), form_.Selection(list), form_.Enabled(list),
                   form_.Visible(list));
}

void CSolvoView::ChooseFromDatabase()
{
    if (!chooseFromDatabase)
        return;
    if (const std::optional<SolvoSubstance> chosen = chooseFromDatabase(form_.DatabaseCopy()))
        Finish(form_.UseDatabaseSubstance(*chosen));
}

void CSolvoView::RunConcentrationCalculator()
{
    if (!runConcentrationCalculator)
        return;
    const double millilitres = form_.BeginConcentrationCalculator();
    const CalculatorResult result =
        runConcentrationCalculator(document_.Data().GetCurrentComponent(), millilitres);
    Finish(form_.EndConcentrationCalculator(result.accepted, result.solutionMillilitres));
}

void CSolvoView::DocumentChanged()
{
    if (reporting_)
        return;
    form_.Refresh(document_.App().DisplayDigits(), FocusedField());
    Mirror();
}

QLineEdit* CSolvoView::FocusedEdit() const
{
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return edit != nullptr && isAncestorOf(edit) ? edit : nullptr;
}

std::optional<CompositionField> CSolvoView::FocusedField() const
{
    const QLineEdit* focused = FocusedEdit();
    for (CompositionField field : kAllFields) {
        if (focused != nullptr && widgets_.Field(field) == focused)
            return field;
    }
    return std::nullopt;
}

void CSolvoView::ConnectClipboard()
{
    connect(commands_.copy, &QAction::triggered, this, [this] {
        if (QLineEdit* edit = FocusedEdit())
            edit->copy();
    });
    connect(commands_.cut, &QAction::triggered, this, [this] {
        if (QLineEdit* edit = FocusedEdit())
            edit->cut();
    });
    connect(commands_.paste, &QAction::triggered, this, [this] {
        if (QLineEdit* edit = FocusedEdit())
            edit->paste();
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // Another composition window or a recipe window that took the focus
        // sets the commands itself.
        if (isAncestorOf(now) ||
            (ViewOf<CSolvoView>(now) == nullptr && ViewOf<CRecipeView>(now) == nullptr))
            UpdateClipboardCommands();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (FocusedEdit() != nullptr)
            UpdateClipboardCommands();
    });
    for (CompositionField field : kAllFields)
        connect(widgets_.Field(field), &QLineEdit::selectionChanged, this, &CSolvoView::UpdateClipboardCommands);
}

void CSolvoView::UpdateClipboardCommands()
{
    const QLineEdit* edit = FocusedEdit();
    const bool selection = edit != nullptr && edit->hasSelectedText();
    const QMimeData* clipboardData = QApplication::clipboard()->mimeData();
    commands_.copy->setEnabled(selection);
    commands_.cut->setEnabled(selection && !edit->isReadOnly());
    commands_.paste->setEnabled(edit != nullptr && !edit->isReadOnly() && clipboardData != nullptr && clipboardData->hasText());
}

} // namespace solvo
