#pragma once

#include "substances/SubstanceDatabaseField.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solvo {

class SolvoSubstance;

/// The texts, check marks and list selections of the substance database
/// dialog's fields, with the two directions of transfer between them and the
/// current substance.
class SubstanceDatabaseFields {
public:
    const std::string& Text(SubstanceDatabaseField field) const { return texts_[Index(field)]; }
    bool Checked(SubstanceDatabaseCheck check) const { return checks_[Index(check)]; }
    /// The position selected in list; −1 when none.
    std::int32_t Selection(SubstanceDatabaseList list) const { return selections_[Index(list)]; }

    /// The user's text in field; while field is guarded, showing leaves it alone.
    void Type(SubstanceDatabaseField field, std::string text) { texts_[Index(field)] = std::move(text); }
    void SetChecked(SubstanceDatabaseCheck check, bool checked) { checks_[Index(check)] = checked; }
    void Select(SubstanceDatabaseList list, std::int32_t position) { selections_[Index(list)] = position; }
    /// The field whose text showing must leave as it is, or none.
    void Guard(std::optional<SubstanceDatabaseField> field) { guarded_ = field; }

    /// Reads every field of the substance into it. A numeric field is read
    /// only when it is guarded or its text is no longer what showing wrote,
    /// so a value is not cut to its shown digits. Returns the first field
    /// that does not hold a number; the fields after it are not read.
    std::optional<SubstanceDatabaseField> Take(SolvoSubstance& substance) const;

    /// What to tell the user about field when Take() returned it: "Enter a
    /// number.", or the range of a purity, pure density or equivalents.
    std::string_view Problem(SubstanceDatabaseField field) const;

    /// Writes every field of the substance from it; numbers by FormatDefault
    /// with displayDigits.
    void Show(const SolvoSubstance& substance, std::int32_t displayDigits);

private:
    template <typename Enum>
    static std::size_t Index(Enum value)
    {
        return static_cast<std::size_t>(value);
    }

    bool ToRead(SubstanceDatabaseField field) const;
    std::optional<SubstanceDatabaseField> TakeCorrections(SolvoSubstance& substance) const;
    void Write(SubstanceDatabaseField field, std::string text);

    static constexpr std::size_t kFieldCount = 9;
    std::array<std::string, kFieldCount> texts_;
    /// What showing last wrote into each field.
    std::array<std::string, kFieldCount> shown_;
    std::array<bool, 4> checks_{};
    std::array<std::int32_t, 3> selections_{0, 0, 0};
    std::optional<SubstanceDatabaseField> guarded_;
};

} // namespace solvo
