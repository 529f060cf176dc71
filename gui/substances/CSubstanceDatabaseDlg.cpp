#include "substances/CSubstanceDatabaseDlg.h"

#include "app/CSolvoApp.h"
#include "app/DatabaseCommands.h"
#include "app/FieldMirror.h"
#include "app/PathConversion.h"
#include "app/MessagePrompts.h"
#include "app/ProgramTextInput.h"
#include "app/TextConversion.h"
#include "formula/CStaticFormulaFrame.h"
#include "library/CLibraryDlg.h"
#include "library/ReagentLibrary.h"
#include "platform/FileAccess.h"
#include "platform/Windows1252.h"
#include "quantities/CFEdit.h"
#include "quantities/FieldTransfer.h"
#include "substances/CUnsolvedFormulasDlg.h"
#include "substances/SubstanceCsv.h"
#include "substances/SubstanceImport.h"
#include "substances/SubstanceListModel.h"
#include "substances/TableTextInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace solvo {

namespace {

using Field = SubstanceDatabaseField;
using List = SubstanceDatabaseList;
using Check = SubstanceDatabaseCheck;
using Button = SubstanceDatabaseButton;

constexpr std::array kLineFields = {Field::FilterText, Field::Name,   Field::Formula,
                                    Field::MolarMass,  Field::StockConcentration,
                                    Field::Purity,     Field::PureDensity, Field::Equivalents};
constexpr std::array kLists = {List::FilterField, List::StockUnit, List::TableKind};
constexpr std::array kChecks = {Check::StandardSubstance, Check::NoDensityTable, Check::UseStockSolution,
                                Check::NoSolid};
constexpr std::array kButtons = {Button::Add, Button::Delete, Button::Modify, Button::Exit, Button::Use,
                                 Button::UnsolvedFormulas};

} // namespace

CSubstanceDatabaseDlg::CSubstanceDatabaseDlg(CSolvoApp& app, DatabaseDialogMode mode, SolvoSubstance current,
                                             QWidget* parent)
    : QDialog(parent),
      app_(app),
      form_(app.Substances(), app.Elements(), app.Units(), app.DisplayDigits(), mode, std::move(current)),
      widgets_(*this, app.Elements(), [&app] { return app.DisplayDigits(); }),
      model_(new SubstanceListModel(form_.Rows(), this)),
      filterSlices_(new QTimer(this))
{
    filterSlices_->setSingleShot(true);
    filterSlices_->setInterval(0);
    connect(filterSlices_, &QTimer::timeout, this, [this] {
        form_.ContinueFilter();
        Mirror();
    });
    widgets_.substances->setModel(model_);
    for (List list : kLists) {
        for (const std::string& item : form_.Items(list))
            widgets_.List(list)->addItem(ToQString(item));
    }
    form_.Open();
    Mirror();
    Connect();
    widgets_.substances->installEventFilter(this);
    widgets_.tableText->installEventFilter(this);
}

CSubstanceDatabaseDlg::~CSubstanceDatabaseDlg() = default;

void CSubstanceDatabaseDlg::Browse(CSolvoApp& app, QWidget* parent)
{
    OfferReload(app, parent);
    CSubstanceDatabaseDlg(app, DatabaseDialogMode::Browsing, {}, parent).exec();
}

std::optional<SolvoSubstance> CSubstanceDatabaseDlg::Choose(CSolvoApp& app, const SolvoSubstance& component,
                                                            QWidget* parent)
{
    OfferReload(app, parent);
    CSubstanceDatabaseDlg dialog(app, DatabaseDialogMode::Choosing, component, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Form().Current();
}

void CSubstanceDatabaseDlg::OfferReload(CSolvoApp& app, QWidget* parent)
{
    MessagePrompts prompts(parent);
    OfferDatabaseReload(app, prompts);
}

void CSubstanceDatabaseDlg::Connect()
{
    for (Field field : kLineFields) {
        QLineEdit* edit = widgets_.Field(field);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { FieldEdited(field, text); });
        if (auto* number = qobject_cast<CFEdit*>(edit)) {
            connect(number, &CFEdit::reformatted, this, [this, field](const QString& text) {
                form_.Reformatted(field, ToProgramText(text).value_or(std::string()));
            });
        }
    }
    connect(widgets_.tableText, &QPlainTextEdit::textChanged, this, &CSubstanceDatabaseDlg::TableTextEdited);
    for (List list : kLists) {
        connect(widgets_.List(list), &QComboBox::activated, this,
                [this, list](int position) { Finish(form_.Choose(list, position)); });
    }
    for (Check check : kChecks) {
        connect(widgets_.Check(check), &QCheckBox::clicked, this,
                [this, check](bool checked) { Finish(form_.Click(check, checked)); });
    }
    for (Button button : kButtons) {
        connect(widgets_.Button(button), &QPushButton::clicked, this,
                [this, button] { Finish(form_.Press(button)); });
    }
    connect(widgets_.substances->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { Finish(form_.SelectRow(current.isValid() ? current.row() : -1)); });
    connect(widgets_.substances, &QListView::doubleClicked, this, [this] { Finish(form_.DoubleClickRow()); });
    connect(widgets_.fromLibrary, &QPushButton::clicked, this, &CSubstanceDatabaseDlg::AddFromLibrary);
    connect(widgets_.import, &QPushButton::clicked, this, &CSubstanceDatabaseDlg::ChooseImportFile);
}

bool CSubstanceDatabaseDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widgets_.substances && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        Finish(form_.PressDeleteKey());
        return true;
    }
    if (watched == widgets_.tableText && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // As the tip of the day tells the user: Ctrl+Enter starts the next
        // line of the table, Enter is the dialog's.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers().testFlag(Qt::ControlModifier))
                widgets_.tableText->insertPlainText(QStringLiteral("\n"));
            else
                keyPressEvent(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CSubstanceDatabaseDlg::FieldEdited(Field field, const QString& text)
{
    if (const std::optional<std::string> typed = TakeProgramText(*widgets_.Field(field), text, form_.Text(field)))
        Finish(form_.Type(field, *typed));
}

void CSubstanceDatabaseDlg::TableTextEdited()
{
    if (const std::optional<std::string> typed = TableTextInput::Take(*widgets_.tableText, form_.Text(Field::TableText)))
        Finish(form_.Type(Field::TableText, *typed));
}

void CSubstanceDatabaseDlg::Finish(const SubstanceDatabaseOutcome& outcome)
{
    Mirror();
    if (outcome.invalidField) {
        MessagePrompts(this).ShowMessage(form_.Problem(*outcome.invalidField), PromptIcon::Exclamation);
        if (QLineEdit* edit = widgets_.Field(*outcome.invalidField))
            edit->setFocus();
    }
    if (outcome.editUnsolvedFormulas)
        EditUnsolvedFormulas(*outcome.editUnsolvedFormulas);
    if (outcome.question) {
        const PromptAnswer answer = MessagePrompts(this).Ask(
            *outcome.question, outcome.cancellable ? PromptButtons::YesNoCancel : PromptButtons::YesNo,
            PromptIcon::Question);
        Finish(answer == PromptAnswer::Cancel ? form_.CancelQuestion()
                                              : form_.Answer(answer == PromptAnswer::Yes));
    }
    if (outcome.close == DialogClose::Ok)
        accept();
    else if (outcome.close == DialogClose::Cancel)
        QDialog::reject();
}

void CSubstanceDatabaseDlg::reject()
{
    Finish(form_.Press(SubstanceDatabaseButton::Exit));
}

void CSubstanceDatabaseDlg::EditUnsolvedFormulas(const std::vector<std::string>& formulas)
{
    CUnsolvedFormulasDlg editor(app_.Elements(), formulas, this);
    const bool accepted = editor.exec() == QDialog::Accepted;
    Finish(form_.UnsolvedFormulasClosed(accepted, editor.Form().Modified(), editor.Form().WorkingList()));
}

void CSubstanceDatabaseDlg::AddFromLibrary()
{
    CLibraryDlg library(this);
    if (library.exec() == QDialog::Accepted && library.Chosen())
        Finish(form_.TakeSubstance(ReagentLibrary::ToSubstance(*library.Chosen(), app_.Elements())));
}

void CSubstanceDatabaseDlg::ChooseImportFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import substances"), QString(),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        ImportSubstances(path);
}

void CSubstanceDatabaseDlg::ImportSubstances(const QString& path)
{
    const std::string file = Windows1252::FromUtf8Replacing(QFileInfo(path).fileName().toStdString());
    std::string bytes;
    MessagePrompts prompts(this);
    if (!ReadWholeFile(ToFilePath(path), bytes, SubstanceCsv::kLargestFile)) {
        prompts.ShowMessage(file + ": cannot be opened.",
                            PromptIcon::Exclamation);
        return;
    }
    const SubstanceCsvResult read = SubstanceCsv::Read(bytes, app_.Elements());
    if (!read.error.empty()) {
        prompts.ShowMessage(file + ": " + read.error +
                                " Nothing was imported.",
                            PromptIcon::Exclamation);
        return;
    }
    const std::size_t clashes = SubstanceImport::Clashes(app_.Substances(), read.substances).size();
    if (clashes > 0 &&
        prompts.Ask(clashes == 1 ? std::string("A substance of the file has the name of one in the database. "
                                               "Replace it?")
                                 : std::to_string(clashes) + " substances of the file have the names of ones "
                                                             "in the database. Replace them?",
                    PromptButtons::YesNo, PromptIcon::Question) != PromptAnswer::Yes)
        return;
    const ImportCounts counts = SubstanceImport::Apply(app_.Substances(), read.substances);
    form_.DatabaseChanged();
    Mirror();
    prompts.ShowMessage(SubstanceImport::Summary(counts) + ".", PromptIcon::Information);
}

void CSubstanceDatabaseDlg::Mirror()
{
    setWindowTitle(ToQString(form_.Title()));
    MirrorRows();
    for (Field field : kLineFields)
        MirrorField(field);
    MirrorTableText();
    for (List list : kLists) {
        QComboBox* combo = widgets_.List(list);
        combo->setCurrentIndex(form_.Selection(list));
        combo->setEnabled(form_.Enabled(list));
    }
    for (Check check : kChecks)
        widgets_.Check(check)->setChecked(form_.Checked(check));
    for (Button button : kButtons)
        widgets_.Button(button)->setEnabled(form_.Enabled(button));
    widgets_.Button(Button::UnsolvedFormulas)->setText(ToQString(form_.UnsolvedFormulasCaption()));
    widgets_.formulaFrame->SetFormulaText(form_.FormulaFrameText(), true);
    DrawPlot();
    if (form_.Filtering())
        filterSlices_->start();
}

void CSubstanceDatabaseDlg::MirrorRows()
{
    QItemSelectionModel* selection = widgets_.substances->selectionModel();
    const QSignalBlocker blocker(selection);
    if (rowsShown_ != form_.RowsGeneration()) {
        model_->Reset();
        rowsShown_ = form_.RowsGeneration();
    }
    const QModelIndex selected = model_->index(form_.SelectedRow(), 0);
    const bool moved = selection->currentIndex() != selected;
    // Set through the view even when unchanged, so that a list without a
    // selection does not pick its first row by itself when it takes the focus.
    widgets_.substances->setCurrentIndex(selected);
    if (moved && selected.isValid())
        widgets_.substances->scrollTo(selected);
    // A view selects nothing of its own while the form selects nothing.
    if (!selected.isValid())
        selection->clearSelection();
    widgets_.substances->viewport()->update();
}

void CSubstanceDatabaseDlg::MirrorField(Field field)
{
    MirrorLineEdit(*widgets_.Field(field), form_.Text(field), form_.Enabled(field),
                   field == Field::StockConcentration && form_.StockConcentrationRed());
}

void CSubstanceDatabaseDlg::MirrorTableText()
{
    QPlainTextEdit* edit = widgets_.tableText;
    const QString text = TableTextInput::Shown(form_.Text(Field::TableText));
    if (edit->toPlainText() != text) {
        const QSignalBlocker blocker(edit);
        edit->setPlainText(text);
    }
    edit->setEnabled(form_.Enabled(Field::TableText));
}

void CSubstanceDatabaseDlg::DrawPlot()
{
    if (!widgets_.plot->pixmap().isNull() && plotShown_ == form_.Plot())
        return;
    plotShown_ = form_.Plot();
    QImage image(DensityPlot::kWidth, DensityPlot::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!plotShown_.empty()) {
        QPolygon polyline;
        for (const PlotPoint& point : plotShown_)
            polyline << QPoint(point.x, point.y);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawPolyline(polyline);
    }
    widgets_.plot->setPixmap(QPixmap::fromImage(image));
}

} // namespace solvo
