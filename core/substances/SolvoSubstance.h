#pragma once

#include "quantities/CEditableDouble.h"
#include "quantities/ConcentrationSet.h"
#include "substances/CSubstance.h"
#include "substances/SourceKind.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// One component of a solution, and also one record of the program
/// database: a substance with its alternative solid forms, its density
/// table, its stock solution and flags, the concentration it must have in
/// the final solution (held in all eight units), and where its amount comes
/// from.
///
/// Copies: the C++ copy constructor and assignment copy every field. The
/// program's own notion of copying a component, which the document and the
/// database use whenever they take one in, is Assign(): it takes the
/// substance's description but keeps the target's concentration, so
/// replacing the substance of a component keeps the concentration typed.
class SolvoSubstance : public CSubstance {
public:
    static constexpr std::uint32_t kRecordVersion = 0x40000;
    /// The record that adds purity, equivalents and the pure liquid's
    /// density; written only for a component that uses one of them or a
    /// later unit, so that every other record stays as older programs read it.
    static constexpr std::uint32_t kLaterRecordVersion = 0x50000;

    /// The purity of a solid as weighed, percent, when nothing else is known.
    static constexpr double kFullPurity = 100.0;

    SolvoSubstance() = default;

    /// Takes the CSubstance part, the alternatives, source formula and
    /// source molar mass, the concentration unit and digits, the source
    /// kind, the stock solution, the other solution's unit, the four flags,
    /// whether an exact weight was entered, the whole density table, the
    /// purity, the equivalents and the pure liquid's density.
    /// Keeps the eight concentration values, the other solution's
    /// concentration, the exact weight, amount and mass.
    void Assign(const SolvoSubstance& other);

    /// A component in its initial state with other assigned to it.
    static SolvoSubstance CopyOf(const SolvoSubstance& other);

    /// Formulas of other solid forms that may be weighed instead (hydrates).
    const std::vector<std::string>& Alternatives() const { return alternatives_; }
    void SetAlternatives(std::vector<std::string> alternatives) { alternatives_ = std::move(alternatives); }

    /// The formula of what is actually weighed or dosed.
    const std::string& SourceFormula() const { return sourceFormula_; }
    void SetSourceFormula(std::string formula) { sourceFormula_ = std::move(formula); }
    /// g/mol of the source formula; derived, not stored in files.
    double SourceMolarMass() const { return sourceMolarMass_; }
    void SetSourceMolarMass(double molarMass) { sourceMolarMass_ = molarMass; }

    /// The target concentration in every unit, with the unit the component is
    /// given in and the density table.
    const ConcentrationSet& Concentration() const
    {
        return Set();
    }
    ConcentrationUnit Unit() const { return set_.set ? set_.set->Unit() : unsettled_.unit; }
    void SetUnit(ConcentrationUnit unit) { Set().SetUnit(unit); }
    const DensityTable& Table() const { return Set().Table(); }
    /// The table's text, kind and no-table flag are edited here; call
    /// ParseDensityTable() afterwards.
    DensityTable& Table() { return Set().Table(); }

    /// Equivalents per formula unit, what N counts; initially 1.
    double Equivalents() const
    {
        return set_.set ? set_.set->Equivalents() : unsettled_.equivalents;
    }
    void SetEquivalents(double equivalents) { Set().SetEquivalents(equivalents); }
    /// The density of the pure liquid as typed, g/mL; 0 for none. % v/v
    /// takes the table's 100 % row before it (see ConcentrationSet).
    double PureDensity() const
    {
        return set_.set ? set_.set->PureDensity() : unsettled_.pureDensity;
    }
    void SetPureDensity(double density) { Set().SetPureDensity(density); }

    /// The assay of a solid source, percent of what is weighed that is the
    /// substance (initially 100): the mass weighed is divided by Purity()/100.
    double Purity() const { return purity_; }
    void SetPurity(double purity) { purity_ = purity; }

    /// What the user is told for a purity, equivalents or pure density out
    /// of range.
    static constexpr std::string_view kPurityRangeMessage =
        "Enter a purity greater than 0 and at most 100 %.";
    static constexpr std::string_view kEquivalentsRangeMessage =
        "Enter a number of equivalents greater than 0.";
    static constexpr std::string_view kPureDensityRangeMessage =
        "Enter a density of the pure liquid greater than 0, or 0 for none.";
    /// The ranges: purity in (0, 100], equivalents above 0, pure density 0
    /// (none) or above; all finite.
    static bool IsValidPurity(double purity);
    static bool IsValidEquivalents(double equivalents);
    static bool IsValidPureDensity(double density);

    /// Whether the record needs the later version: a purity, equivalents or
    /// pure density other than their initial values, or a later unit.
    bool UsesLaterFields() const;

    /// Significant digits of the concentration as typed; 0 means by DisplayDigits.
    std::int32_t ConcentrationDigits() const { return concentrationDigits_; }
    void SetConcentrationDigits(std::int32_t digits) { concentrationDigits_ = digits; }

    SourceKind Source() const { return sourceKind_; }
    void SetSource(SourceKind kind) { sourceKind_ = kind; }

    /// Concentration of the substance's stock solution, in StockUnit().
    double StockConcentration() const { return stockConcentration_; }
    void SetStockConcentration(double value) { stockConcentration_ = value; }
    ConcentrationUnit StockUnit() const { return stockUnit_; }
    void SetStockUnit(ConcentrationUnit unit) { stockUnit_ = unit; }

    /// Concentration of the other solution used as source, in OtherUnit().
    double OtherConcentration() const { return otherConcentration_; }
    void SetOtherConcentration(double value) { otherConcentration_ = value; }
    ConcentrationUnit OtherUnit() const { return otherUnit_; }
    void SetOtherUnit(ConcentrationUnit unit) { otherUnit_ = unit; }

    /// The substance exists only as solutions and cannot be weighed.
    bool NoSolid() const { return noSolid_; }
    void SetNoSolid(bool value) { noSolid_ = value; }
    /// The substance has a stock solution of StockConcentration().
    bool UseStockSolution() const { return useStockSolution_; }
    void SetUseStockSolution(bool value) { useStockSolution_ = value; }
    /// The substance can be weighed exactly to prepare a standard solution.
    bool StandardSubstance() const { return standardSubstance_; }
    void SetStandardSubstance(bool value) { standardSubstance_ = value; }
    /// This component is weighed approximately and its exact weight entered afterwards.
    bool PrepareStandardSolution() const { return prepareStandardSolution_; }
    void SetPrepareStandardSolution(bool value) { prepareStandardSolution_ = value; }

    /// The mass actually weighed, g; never stored in files.
    const CEditableDouble& ExactWeight() const { return exactWeight_; }
    /// Also sets ExactWeightEntered() to whether the weight is not 0.
    void SetExactWeight(CEditableDouble weight);
    bool ExactWeightEntered() const { return exactWeightEntered_; }

    /// mol and g of the substance in the final solution, kept by the document.
    double Amount() const { return amount_; }
    double Mass() const { return mass_; }
    void SetAmountAndMass(double amount, double mass)
    {
        amount_ = amount;
        mass_ = mass;
    }

    /// Stores value in unit and recomputes the other units with the molar
    /// mass and the density table; codes outside 0 … 7 do nothing.
    void SetConcentration(double value, ConcentrationUnit unit);
    /// Stores value in unit alone; the other units are not recomputed.
    void StoreConcentration(double value, ConcentrationUnit unit)
    {
        Set().StoreConcentration(value, unit);
    }
    /// The value in unit, OwnUnit meaning Unit(); −1 for any other code.
    double GetConcentration(ConcentrationUnit unit) const;
    /// value in fromUnit expressed in toUnit; the stored values stay.
    double ConvertConcentration(double value, ConcentrationUnit fromUnit, ConcentrationUnit toUnit);
    /// Parses the table's text with the current molar mass.
    void ParseDensityTable();
    bool IsOutsideDensityRange(double value, ConcentrationUnit unit) const;
    /// The other concentration at which the table reaches the current density.
    void SelectOtherRoot();

    /// The source molar mass from the source formula: 0 for an empty one; a
    /// formula that gives none keeps the molar mass there was.
    void UpdateSourceMolarMass(const ElementTable& elements);

    /// After the element table changed from before to after (a moiety
    /// added, modified or deleted, another database read): the formula and
    /// the source formula each take the molar mass after gives them, where it
    /// gives one that differs from what before gave (so a molar mass typed
    /// for a formula the change does not touch stays). A new molar mass
    /// re-reads the density table and recomputes the target from its value
    /// in the component's own unit, which stays. Amount and mass are left to
    /// the document. Returns whether a molar mass changed.
    bool FollowElementTable(const ElementTable& before, const ElementTable& after);

    /// Stock solution when the substance has one, else another solution
    /// when it has no solid, else its first alternative, else itself.
    void SelectDefaultSource();

    /// Writes the record of version 0x40000, or of 0x50000 when
    /// UsesLaterFields(); reads a record of version 0x10000 to 0x50000 into a component in its initial state and then
    /// derives the molar masses, the density table and every concentration
    /// unit with elements. On reading, a record of another version leaves
    /// the notice "Unknown version of the data file..." in the archive and
    /// throws ArchiveError (Generic), since what follows cannot be read as
    /// data; so does a purity outside (0, 100], equivalents that are not
    /// above 0 or a negative pure density, which no program writes. A read
    /// that throws leaves the component as it was.
    void Serialize(Archive& ar, const ElementTable& elements) override;

    /// The density table text as stored in files, and back: bytes 32 … 127
    /// are XORed with a key stream seeded by the length; others stay.
    static std::string ScrambleTableText(std::string_view text);
    static void ScrambleTableTextInPlace(std::string& text);

private:
    void Write(Archive& ar, const ElementTable& elements);
    void Read(Archive& ar, const ElementTable& elements);
    void TransferAlternatives(Archive& ar);
    // What the concentration set is made from, as a record holds it: the
    // table text too is kept as stored, scrambled, until the set is made.
    struct SetFields {
        std::string storedTableText;
        double equivalents = 1.0;
        double pureDensity = 0.0;
        double molarity = 0.0;
        double molarMass = 0.0;
        DensityTableKind kind = DensityTableKind::PercentWW;
        ConcentrationUnit unit = ConcentrationUnit::Molar;
        bool noTable = true;
    };
    // The set, made on first use and copied with the component.
    struct SetBox {
        std::unique_ptr<ConcentrationSet> set;

        SetBox() = default;
        SetBox(const SetBox& other);
        SetBox& operator=(const SetBox& other);
        SetBox(SetBox&&) noexcept = default;
        SetBox& operator=(SetBox&&) noexcept = default;
        ~SetBox() = default;
    };

    static SetFields FieldsOf(const ConcentrationSet& set);
    static void TransferTableText(Archive& ar, SetFields& fields);
    void TransferSubstanceFlags(Archive& ar, SetFields& fields);
    void TransferSettings(Archive& ar, SetFields& fields);
    void TransferLaterFields(Archive& ar, SetFields& fields);
    void DeriveAfterReading(const ElementTable& elements, std::uint32_t version);
    void SyncMolarMass();
    void Settle() const;
    ConcentrationSet& Set() const
    {
        Settle();
        return *set_.set;
    }

    // Four bytes first, where the CSubstance part leaves room.
    std::int32_t concentrationDigits_ = 0;
    std::vector<std::string> alternatives_;
    std::string sourceFormula_;
    // A record read from a file keeps the fields of its set in unsettled_
    // until its concentration or table is first asked for: making and
    // parsing every set of a large database at load would cost most of the
    // load's time and memory. Settling makes the set from them and derives
    // every unit from the molarity, exactly as reading did, with the molar
    // mass the record had when read. A component made any other way gets
    // the initial set on first use; until then unsettled_ holds its
    // initial values.
    mutable SetBox set_;
    mutable SetFields unsettled_;
    double sourceMolarMass_ = 0.0;
    double stockConcentration_ = 0.0;
    double otherConcentration_ = 0.0;
    double purity_ = kFullPurity;
    double amount_ = 0.0;
    double mass_ = 0.0;
    CEditableDouble exactWeight_;
    SourceKind sourceKind_ = SourceKind::AboveSubstance;
    ConcentrationUnit stockUnit_ = ConcentrationUnit::Molar;
    ConcentrationUnit otherUnit_ = ConcentrationUnit::Molar;
    bool noSolid_ = false;
    bool useStockSolution_ = false;
    bool standardSubstance_ = false;
    bool prepareStandardSolution_ = false;
    bool exactWeightEntered_ = false;
    mutable bool fromRecord_ = false;
};

} // namespace solvo
