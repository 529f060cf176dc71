#pragma once

#include "library/LibraryChoiceForm.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace solvo {

/// "Add from library": the reagent library listed through the substance
/// database dialog's pattern filter, each solute with its synonym, formula,
/// CAS number and the range of its density table. The rules live in
/// LibraryChoiceForm; the dialog mirrors it.
class CLibraryDlg : public QDialog {
    Q_OBJECT

public:
    explicit CLibraryDlg(QWidget* parent = nullptr);

    /// The solute chosen when the dialog ended with "Add" or a double click.
    const LibraryRecord* Chosen() const { return form_.Chosen(); }

private:
    void Mirror();

    LibraryChoiceForm form_;
    QLineEdit* filter_;
    QTreeWidget* list_;
    QPushButton* add_;
};

} // namespace solvo
