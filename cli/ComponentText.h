#pragma once

#include <cstdint>
#include <sstream>
#include <string>

namespace solvo {

class DensityTable;
class SolvoSubstance;
class UnitLabels;
enum class ConcentrationUnit : std::int32_t;

/// A solution component or database substance as a person reads it: one
/// line per field, numbers by the display digits, units by their labels.
class ComponentText {
public:
    ComponentText(const UnitLabels& labels, std::int32_t displayDigits)
        : labels_(labels), displayDigits_(displayDigits)
    {
    }

    /// The component under its number and name, one indented line a field.
    std::string Describe(std::int32_t number, const SolvoSubstance& component) const;

    /// One indented "label   value" line, aligned with the component's.
    static std::string Line(const char* label, const std::string& value);

private:
    std::string Number(double value) const;
    std::string UnitLabel(ConcentrationUnit unit, const SolvoSubstance& component) const;
    std::string Source(const SolvoSubstance& component) const;
    static std::string Table(const DensityTable& table);
    static std::string Flags(const SolvoSubstance& component);

    const UnitLabels& labels_;
    std::int32_t displayDigits_;
};

} // namespace solvo
