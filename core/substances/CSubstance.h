#pragma once

#include <cstdint>
#include <string>

namespace solvo {

class Archive;
class ElementTable;

/// The plain description of a substance: name, formula and molar mass, plus
/// a text and a number that are stored and copied but never used. It opens
/// every component record of both files.
class CSubstance {
public:
    static constexpr std::uint32_t kRecordVersion = 0x10000;
    static constexpr std::int32_t kInitialReservedNumber = 3;

    CSubstance() = default;
    virtual ~CSubstance() = default;
    CSubstance(const CSubstance&) = default;
    CSubstance& operator=(const CSubstance&) = default;
    CSubstance(CSubstance&&) = default;
    CSubstance& operator=(CSubstance&&) = default;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& ReservedText() const { return reservedText_; }
    void SetReservedText(std::string text) { reservedText_ = std::move(text); }
    /// As typed, in the formula markup ("_" subscripts, "&" hydrate dot).
    const std::string& Formula() const { return formula_; }
    void SetFormula(std::string formula) { formula_ = std::move(formula); }
    /// g/mol; 0 means none.
    double MolarMass() const { return molarMass_; }
    void SetMolarMass(double molarMass) { molarMass_ = molarMass; }
    std::int32_t ReservedNumber() const { return reservedNumber_; }
    void SetReservedNumber(std::int32_t number) { reservedNumber_ = number; }

    /// Derives the molar mass from the formula with the given table: 0 for an
    /// empty formula; a formula that gives no molar mass keeps the one typed.
    void UpdateMolarMass(const ElementTable& elements);

    /// Writes the substance record (version 0x10000: name, formula, reserved
    /// text, molar mass, reserved number) or reads it, whatever its version
    /// word. A stored record type overrides this; the element table lets it
    /// recompute what it derives after reading. Throws ArchiveError.
    virtual void Serialize(Archive& ar, const ElementTable& elements);

private:
    std::string name_;
    std::string reservedText_;
    std::string formula_;
    double molarMass_ = 0.0;
    std::int32_t reservedNumber_ = kInitialReservedNumber;
};

} // namespace solvo
