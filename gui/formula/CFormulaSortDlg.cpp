#include "formula/CFormulaSortDlg.h"

#include "app/ProgramTextInput.h"
#include "app/RichTextMime.h"
#include "app/TextConversion.h"
#include "formula/CStaticFormulaFrame.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace solvo {

namespace {

QGroupBox* FramePlaceholder()
{
    auto* placeholder = new QGroupBox;
    placeholder->setMinimumSize(280, 72);
    return placeholder;
}

} // namespace

CFormulaSortDlg::CFormulaSortDlg(const ElementTable& table, QWidget* parent)
    : QDialog(parent), form_(table)
{
    setWindowTitle(tr("Formula sort"));
    typed_ = new QLineEdit;
    typed_->setObjectName(QStringLiteral("formula"));
    typed_->setAccessibleName(tr("formula"));
    typed_->setToolTip(tr("A formula, such as CuSO_4&5H_2O"));

    auto* typedPlaceholder = FramePlaceholder();
    auto* orderedPlaceholder = FramePlaceholder();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(typed_);
    layout->addWidget(typedPlaceholder, 1);
    layout->addLayout(CopyRow(FormulaSortForm::Row::Typed));
    layout->addWidget(orderedPlaceholder, 1);
    layout->addLayout(CopyRow(FormulaSortForm::Row::Ordered));
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    layout->addWidget(ok);

    typedFrame_ = new CStaticFormulaFrame(table, this);
    typedFrame_->AttachToPlaceholder(typedPlaceholder);
    orderedFrame_ = new CStaticFormulaFrame(table, this);
    orderedFrame_->AttachToPlaceholder(orderedPlaceholder);

    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(typed_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::optional<std::string> programText = TakeProgramText(*typed_, text, form_.Typed());
        if (!programText)
            return;
        form_.Type(*programText);
        Mirror();
    });
    Mirror();
}

QLayout* CFormulaSortDlg::CopyRow(FormulaSortForm::Row row)
{
    using CopyForm = FormulaSortForm::CopyForm;
    const struct {
        CopyForm form;
        const char* text;
        const char* toolTip;
    } buttons[] = {
        {CopyForm::TextRtf, QT_TR_NOOP("txt/RTF"), QT_TR_NOOP("As text, and as rich text for word processors")},
        {CopyForm::HtmlRtf, QT_TR_NOOP("HTML/RTF"), QT_TR_NOOP("As HTML markup, and as rich text for word processors")},
        {CopyForm::Ubbc, QT_TR_NOOP("UBBC"), QT_TR_NOOP("As bulletin-board code")},
        {CopyForm::Latex, QT_TR_NOOP("LaTeX"), QT_TR_NOOP("As LaTeX markup")},
    };
    auto* layout = new QHBoxLayout;
    layout->addWidget(new QLabel(tr("copy to clipboard as")));
    for (const auto& button : buttons) {
        auto* push = new QPushButton(tr(button.text));
        push->setAutoDefault(false);
        push->setToolTip(tr(button.toolTip));
        connect(push, &QPushButton::clicked, this, [this, row, form = button.form] {
            QGuiApplication::clipboard()->setMimeData(ClipboardData(form_.Copy(row, form)));
        });
        layout->addWidget(push);
    }
    layout->addStretch();
    return layout;
}

QMimeData* CFormulaSortDlg::ClipboardData(const FormulaSortForm::ClipboardItems& items)
{
    auto* data = new QMimeData;
    data->setText(ToQString(items.text));
    if (items.richText)
        RichTextMime::Add(*data, *items.richText);
    return data;
}

void CFormulaSortDlg::Mirror()
{
    typedFrame_->SetFormulaText(form_.Typed(), true);
    orderedFrame_->SetFormulaText(form_.Ordered(), true);
}

} // namespace solvo
