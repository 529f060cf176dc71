#pragma once

#include "substances/UnsolvedFormulasForm.h"

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace solvo {

class CStaticFormulaFrame;
class ElementTable;

/// The dialog "Unsolved formulas editor": a substance's other solid forms,
/// edited on a copy. The rules live in UnsolvedFormulasForm; the caller reads
/// the working list and whether it was modified after "OK".
class CUnsolvedFormulasDlg : public QDialog {
    Q_OBJECT

public:
    /// The element table must outlive the dialog.
    CUnsolvedFormulasDlg(const ElementTable& elements, std::vector<std::string> formulas,
                         QWidget* parent = nullptr);

    const UnsolvedFormulasForm& Form() const { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void Connect();
    void Mirror();

    UnsolvedFormulasForm form_;
    QListWidget* list_;
    QLineEdit* edit_;
    CStaticFormulaFrame* frame_;
    QPushButton* add_;
    QPushButton* delete_;
    QPushButton* modify_;
};

} // namespace solvo
