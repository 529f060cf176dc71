#include "buffers/CBufferDialog.h"

#include "app/CSolvoApp.h"
#include "app/FieldMirror.h"
#include "app/ProgramTextInput.h"
#include "app/TextConversion.h"
#include "buffers/BufferPlot.h"
#include "quantities/CFEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>

namespace solvo {

CBufferDialog::CBufferDialog(CSolvoApp& app, double millilitres, QWidget* parent)
    : QDialog(parent), form_(app.Elements(), Shelf(app), millilitres, app.DisplayDigits()),
      widgets_(*this, [&app] { return app.DisplayDigits(); }), initialVolume_(form_.Text(BufferField::Volume))
{
    setWindowTitle(tr("Buffer"));
    Connect();
    Mirror();
}

std::vector<std::string> CBufferDialog::Shelf(const CSolvoApp& app)
{
    std::vector<std::string> shelf;
    const SolvoSubstanceDatabase& substances = app.Substances();
    for (std::int32_t i = 0; i < substances.GetSubstanceCount(); ++i) {
        const SolvoSubstance& substance = substances.GetSubstance(i);
        shelf.push_back(substance.Formula());
        shelf.insert(shelf.end(), substance.Alternatives().begin(), substance.Alternatives().end());
    }
    return shelf;
}

void CBufferDialog::Connect()
{
    for (std::int32_t i = 0; i < BufferWidgets::kFieldCount; ++i) {
        const auto field = static_cast<BufferField>(i);
        QLineEdit* edit = widgets_.Field(field);
        // textEdited comes from the user only, never from the dialog's own setText.
        connect(edit, &QLineEdit::textEdited, this, [this, field, edit](const QString& text) {
            if (const std::optional<std::string> programText = TakeProgramText(*edit, text, form_.Text(field)))
                Finish(form_.Type(field, *programText));
        });
        if (auto* number = qobject_cast<CFEdit*>(edit)) {
            connect(number, &CFEdit::reformatted, this, [this, field](const QString& text) {
                if (const std::optional<std::string> programText = ToProgramText(text))
                    form_.Reformatted(field, *programText);
            });
        }
    }
    for (std::int32_t i = 0; i < kBufferListCount; ++i) {
        const auto list = static_cast<BufferList>(i);
        connect(widgets_.List(list), &QComboBox::activated, this,
                [this, list](int index) { Finish(form_.Choose(list, index)); });
    }
    connect(widgets_.ok, &QPushButton::clicked, this, &CBufferDialog::accept);
    connect(widgets_.cancel, &QPushButton::clicked, this, &CBufferDialog::reject);
}

void CBufferDialog::accept()
{
    if (const std::optional<Message> message = form_.Accept()) {
        Finish(message);
        return;
    }
    QDialog::accept();
}

void CBufferDialog::Finish(const std::optional<Message>& message)
{
    Mirror();
    if (!message)
        return;
    ShowFieldRefusal(*this, *widgets_.Field(message->field), message->text);
}

void CBufferDialog::Mirror()
{
    for (std::int32_t i = 0; i < BufferWidgets::kFieldCount; ++i) {
        const auto field = static_cast<BufferField>(i);
        MirrorLineEdit(*widgets_.Field(field), form_.Text(field), form_.Enabled(field), form_.Red(field));
    }
    for (std::int32_t i = 0; i < kBufferListCount; ++i) {
        const auto list = static_cast<BufferList>(i);
        MirrorComboBox(*widgets_.List(list), form_.Items(list), form_.Selection(list), true, form_.Visible(list));
        if (QLabel* label = widgets_.ListLabel(list))
            label->setVisible(form_.Visible(list));
    }
    widgets_.ListLabel(BufferList::AcidForm)
        ->setText(form_.Method() == BufferMethod::Pair ? tr("&acid form") : tr("&form"));
    MirrorResults();
}

void CBufferDialog::MirrorResults()
{
    QTableWidget* table = widgets_.amounts;
    table->setRowCount(static_cast<int>(form_.Lines().size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const BufferCalculatorForm::Line& line = form_.Lines()[static_cast<std::size_t>(row)];
        int column = 0;
        for (const std::string* text : {&line.formula, &line.molar, &line.amount})
            table->setItem(row, column++, new QTableWidgetItem(ToQString(*text)));
    }
    widgets_.resultPh->setText(ToQString(form_.ResultPh()));
    widgets_.phAtUse->setText(ToQString(form_.PhAtUse()));
    widgets_.ionicStrength->setText(ToQString(form_.IonicStrength()));
    widgets_.capacity->setText(ToQString(form_.Capacity()));
    QStringList notes;
    for (const std::string& note : form_.Notes())
        notes.append(ToQString(note));
    widgets_.notes->setText(notes.join(QLatin1Char('\n')));
    widgets_.plot->SetCurve(form_.Curve(), form_.Target(), ToQString(form_.CurveAxis()));
}

} // namespace solvo
