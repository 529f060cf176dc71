#include "substances/UnsolvedFormulasForm.h"

#include "pattern/LetterCase.h"

#include <algorithm>

namespace solvo {

UnsolvedFormulasForm::UnsolvedFormulasForm(std::vector<std::string> formulas)
    : working_(std::move(formulas)), items_(working_)
{
    std::stable_sort(items_.begin(), items_.end(),
                     [](const std::string& a, const std::string& b) { return LetterCase::LessIgnoringCase(a, b); });
}

void UnsolvedFormulasForm::Select(std::int32_t position)
{
    if (position < 0 || position >= static_cast<std::int32_t>(items_.size())) {
        selection_ = -1;
        return;
    }
    selection_ = position;
    editText_ = items_[static_cast<std::size_t>(position)];
}

void UnsolvedFormulasForm::Type(std::string text)
{
    editText_ = std::move(text);
    const std::string selected = selection_ >= 0 ? items_[static_cast<std::size_t>(selection_)] : std::string();
    modifyEnabled_ = editText_ != selected;
    // The list control's own search, which ignores case, decides.
    addEnabled_ = std::none_of(items_.begin(), items_.end(),
                               [this](const std::string& item) { return LetterCase::EqualIgnoringCase(item, editText_); });
    modified_ = true;
}

std::optional<std::string_view> UnsolvedFormulasForm::Add()
{
    if (std::find(working_.begin(), working_.end(), editText_) != working_.end())
        return kFormulaAlreadyUsedMessage;
    working_.push_back(editText_);
    Insert(editText_);
    addEnabled_ = false;
    modifyEnabled_ = false;
    modified_ = true;
    return std::nullopt;
}

void UnsolvedFormulasForm::Delete()
{
    if (selection_ < 0)
        return;
    Remove(selection_);
    selection_ = -1;
    addEnabled_ = false;
    modifyEnabled_ = false;
    modified_ = true;
}

void UnsolvedFormulasForm::PressDeleteKey()
{
    if (DeleteEnabled())
        Delete();
}

void UnsolvedFormulasForm::Modify()
{
    if (selection_ >= 0)
        Remove(selection_);
    working_.push_back(editText_);
    Insert(editText_);
    addEnabled_ = false;
    modifyEnabled_ = false;
    modified_ = true;
}

void UnsolvedFormulasForm::Insert(const std::string& text)
{
    const auto place = std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& a, const std::string& b) {
        return LetterCase::LessIgnoringCase(a, b);
    });
    selection_ = static_cast<std::int32_t>(place - items_.begin());
    items_.insert(place, text);
}

void UnsolvedFormulasForm::Remove(std::int32_t position)
{
    const auto item = items_.begin() + position;
    RemoveFromWorkingList(*item);
    items_.erase(item);
}

void UnsolvedFormulasForm::RemoveFromWorkingList(const std::string& text)
{
    if (const auto found = std::find(working_.begin(), working_.end(), text); found != working_.end())
        working_.erase(found);
}

} // namespace solvo
