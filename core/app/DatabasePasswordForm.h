#pragma once

#include "app/DatabasePrompts.h"

#include <string>
#include <string_view>

namespace solvo {

/// The rules of the database password dialog: which of its three fields
/// (current, new, repeated password) take input, when OK may be pressed,
/// and the digest that OK gives.
class DatabasePasswordForm {
public:
    enum class Field { Current, New, Repeated };

    /// Opens in mode; for ChangePassword, digest is the stored digest that
    /// the current password must match. Every field starts empty.
    DatabasePasswordForm(PasswordDialogMode mode, std::string_view digest);

    PasswordDialogMode Mode() const { return mode_; }
    const std::string& Text(Field field) const;
    bool FieldEnabled(Field field) const;
    bool OkEnabled() const { return okEnabled_; }

    /// Every change of a field, with its text as typed (program bytes).
    void Type(Field field, std::string_view text);

    /// The digest OK gives: of the current password when entering it to
    /// save, else of the new one; empty (no password) for an empty field.
    std::string ResultDigest() const;

private:
    PasswordDialogMode mode_;
    std::string digest_;
    std::string current_;
    std::string new_;
    std::string repeated_;
    bool okEnabled_;
};

} // namespace solvo
