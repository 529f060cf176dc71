#pragma once

#include "formula/FormulaSortForm.h"

#include <QDialog>

class QLineEdit;
class QMimeData;

namespace solvo {

class CStaticFormulaFrame;

/// The dialog "Formula sort": a typed formula and the same formula in the
/// fixed element order, each drawn with its molar mass, and four buttons
/// per formula that copy it to the clipboard as text with rich text, HTML
/// with rich text, bulletin-board code or LaTeX.
class CFormulaSortDlg : public QDialog {
    Q_OBJECT

public:
    /// table must outlive the dialog.
    explicit CFormulaSortDlg(const ElementTable& table, QWidget* parent = nullptr);

    /// The clipboard item of one copy button: the text, plus the rich-text
    /// document in the platform's rich-text formats when there is one.
    static QMimeData* ClipboardData(const FormulaSortForm::ClipboardItems& items);

private:
    QLayout* CopyRow(FormulaSortForm::Row row);
    void Mirror();

    FormulaSortForm form_;
    QLineEdit* typed_ = nullptr;
    CStaticFormulaFrame* typedFrame_ = nullptr;
    CStaticFormulaFrame* orderedFrame_ = nullptr;
};

} // namespace solvo
