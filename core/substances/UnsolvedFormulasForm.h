#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// The message shown when "Add" would put a formula into the list twice.
inline constexpr std::string_view kFormulaAlreadyUsedMessage = "This formula is already used.";

/// The rules of the unsolved formulas editor: the list of a substance's other
/// solid forms (its alternatives), edited on a working copy.
///
/// The list control shows the entries sorted without regard to case, while
/// the working list keeps the order in which entries were added; positions
/// given to and returned by this class are those of the list control.
class UnsolvedFormulasForm {
public:
    /// The editor as it opens on a copy of the substance's list: nothing
    /// selected, the edit box empty, "Add", "Delete" and "Modify" disabled,
    /// not modified.
    explicit UnsolvedFormulasForm(std::vector<std::string> formulas);

    // The user's actions.
    /// Selects the list entry at position (−1 or a position not listed: none);
    /// the edit box takes its text.
    void Select(std::int32_t position);
    /// The user's text in the edit box. Any typing counts as a change.
    void Type(std::string text);
    /// Appends the edit text, unless the working list holds it already
    /// (compared byte for byte): then returns kFormulaAlreadyUsedMessage to
    /// show, and nothing changes.
    std::optional<std::string_view> Add();
    /// Removes the selected entry; nothing when none is selected.
    void Delete();
    /// The Delete key in the list: Delete() while "Delete" is enabled.
    void PressDeleteKey();
    /// Replaces the selected entry by the edit text, or appends the edit
    /// text when none is selected; duplicates are not checked.
    void Modify();

    // What the controls show.
    /// The list control's texts, sorted without regard to case.
    const std::vector<std::string>& Items() const { return items_; }
    /// −1 when no entry is selected.
    std::int32_t Selection() const { return selection_; }
    const std::string& EditText() const { return editText_; }
    bool AddEnabled() const { return addEnabled_; }
    bool DeleteEnabled() const { return selection_ >= 0; }
    bool ModifyEnabled() const { return modifyEnabled_; }

    // What the caller reads back after "OK".
    /// The edited list, in the order entries were added.
    const std::vector<std::string>& WorkingList() const { return working_; }
    /// Whether anything was typed or changed since the editor opened.
    bool Modified() const { return modified_; }

private:
    /// Puts text into the list control in its sorted place and selects it.
    void Insert(const std::string& text);
    /// Removes the list control's entry at position and the first working
    /// list entry equal to it.
    void Remove(std::int32_t position);
    void RemoveFromWorkingList(const std::string& text);

    std::vector<std::string> working_;
    std::vector<std::string> items_;
    std::int32_t selection_ = -1;
    std::string editText_;
    bool addEnabled_ = false;
    bool modifyEnabled_ = false;
    bool modified_ = false;
};

} // namespace solvo
