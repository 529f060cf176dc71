#pragma once

#include "quantities/CEditableDouble.h"
#include "solution/CompositionField.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solvo {

class CSolvoDoc;
class ElementTable;
class SolvoSubstance;

/// The texts of the composition form's fields and the values the form keeps
/// behind four of them, with the two directions of transfer between them
/// and the document.
class CompositionFields {
public:
    /// The view's own values: the concentration in the display unit, the
    /// final volume in the volume unit, the exact weight (g) and the source
    /// value (a molar mass or a concentration, by the source kind).
    CEditableDouble concentration;
    CEditableDouble finalVolume;
    CEditableDouble exactWeight;
    double sourceValue = 0.0;
    /// The state of the "prepare standard solution" check box.
    bool prepareChecked = false;

    const std::string& Text(CompositionField field) const { return texts_[Index(field)]; }

    /// The user's text in field; while field is guarded, showing leaves it alone.
    void Type(CompositionField field, std::string text);
    /// The field whose text showing must leave as it is, or none.
    void Guard(std::optional<CompositionField> field) { guarded_ = field; }
    /// A text the field gave itself (reformatting on losing the focus).
    void Reformatted(CompositionField field, std::string text) { texts_[Index(field)] = std::move(text); }

    /// Reads the fields in the form's order into component and the values
    /// above. A numeric field is read only when it is guarded or its text is
    /// no longer what showing wrote, so a value is not cut to its shown
    /// digits. The mass field is read only while prepareChecked is set.
    /// Returns the first field that does not hold a number, or a purity,
    /// equivalents or pure density out of range (Problem() says which); the
    /// fields after it are not read.
    std::optional<CompositionField> Take(SolvoSubstance& component);

    /// What to tell the user about the field the last Take() returned:
    /// "Enter a number." or the range of the value.
    std::string_view Problem() const { return problem_; }

    /// Writes every field from document's current component and the values
    /// above; first the source value becomes the molar mass the source kind
    /// weighs, for the kinds that weigh one. The mass needed counts the
    /// component in the weighed form's formula with elements.
    void Show(const CSolvoDoc& document, const ElementTable& elements, std::int32_t displayDigits);

private:
    static constexpr std::size_t kFieldCount = 11;
    static std::size_t Index(CompositionField field) { return static_cast<std::size_t>(field); }

    bool ToRead(CompositionField field) const;
    std::optional<CompositionField> TakeCorrections(SolvoSubstance& component);
    void Write(CompositionField field, std::string text);
    std::string MassText(const CSolvoDoc& document, const ElementTable& elements,
                         std::int32_t displayDigits) const;

    std::array<std::string, kFieldCount> texts_;
    /// What showing last wrote into each field.
    std::array<std::string, kFieldCount> shown_;
    std::optional<CompositionField> guarded_;
    std::string_view problem_;
};

} // namespace solvo
