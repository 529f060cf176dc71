#include "app/DatabasePasswordForm.h"

#include "substances/PasswordDigest.h"

namespace solvo {

DatabasePasswordForm::DatabasePasswordForm(PasswordDialogMode mode, std::string_view digest)
    : mode_(mode), digest_(digest), okEnabled_(mode == PasswordDialogMode::EnterPassword)
{
}

const std::string& DatabasePasswordForm::Text(Field field) const
{
    switch (field) {
    case Field::Current:
        return current_;
    case Field::New:
        return new_;
    case Field::Repeated:
        break;
    }
    return repeated_;
}

bool DatabasePasswordForm::FieldEnabled(Field field) const
{
    switch (mode_) {
    case PasswordDialogMode::EnterPassword:
        return field == Field::Current;
    case PasswordDialogMode::NewPassword:
        return field != Field::Current;
    case PasswordDialogMode::ChangePassword:
        break;
    }
    return true;
}

void DatabasePasswordForm::Type(Field field, std::string_view text)
{
    switch (field) {
    case Field::Current:
        current_ = text;
        break;
    case Field::New:
        new_ = text;
        break;
    case Field::Repeated:
        repeated_ = text;
        break;
    }
    switch (mode_) {
    case PasswordDialogMode::EnterPassword:
        break;
    case PasswordDialogMode::NewPassword:
        okEnabled_ = new_ == repeated_;
        break;
    case PasswordDialogMode::ChangePassword:
        okEnabled_ = !current_.empty() && PasswordDigest(current_) == digest_ && new_ == repeated_;
        break;
    }
}

std::string DatabasePasswordForm::ResultDigest() const
{
    return PasswordDigest(mode_ == PasswordDialogMode::EnterPassword ? current_ : new_);
}

} // namespace solvo
