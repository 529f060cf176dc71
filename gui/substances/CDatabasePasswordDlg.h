#pragma once

#include "app/DatabasePasswordForm.h"

#include <QDialog>

#include <array>

class QDialogButtonBox;
class QLineEdit;

namespace solvo {

/// The dialog "Database password": the current password (to save, or to
/// change it), a new password and the new password again, each shown as
/// bullets. The DatabasePasswordForm decides which fields take input and
/// when OK may be pressed.
class CDatabasePasswordDlg : public QDialog {
    Q_OBJECT

public:
    /// For ChangePassword, digest is the stored digest the current password must match.
    CDatabasePasswordDlg(PasswordDialogMode mode, std::string_view digest,
                         QWidget* parent = nullptr);

    /// After OK: the digest of the password entered (empty: no password).
    std::string ResultDigest() const { return form_.ResultDigest(); }

    QLineEdit* PasswordField(DatabasePasswordForm::Field field) const;

private:
    void Mirror();

    DatabasePasswordForm form_;
    std::array<QLineEdit*, 3> fields_{};
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace solvo
