#pragma once

#include "app/DatabasePathForm.h"

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QPushButton;

namespace solvo {

/// The dialog "Database path": the path of the program database file, typed
/// or chosen with "Browse...", or the data folder's file with "Default".
/// OK, possible only for another path, moves the database there or reads
/// the one found there, as DatabasePathForm and the user's answers decide.
class CDatabasePathDlg : public QDialog {
    Q_OBJECT

public:
    /// app must outlive the dialog; prompts asks the dialog's questions.
    CDatabasePathDlg(CFlaskwareApp& app, DatabasePrompts& prompts, QWidget* parent = nullptr);

    QLineEdit* PathField() const { return path_; }
    QPushButton* OkButton() const;

private:
    void Browse();
    void Accept();
    void Mirror();

    DatabasePathForm form_;
    DatabasePrompts& prompts_;
    QLineEdit* path_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace solvo
