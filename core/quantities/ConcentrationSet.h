#pragma once

#include "quantities/ConcentrationUnit.h"
#include "quantities/DensityTable.h"

#include <optional>

namespace solvo {

/// A component's concentration held in all eight units at once, kept
/// consistent through the substance's molar mass, the solvent's (water) and
/// the solution's density, which comes from the density table when the
/// substance has one.
///
/// The later units (codes 9 … 15) are not held: each is a fixed multiple of
/// one of the eight (µM and nM of mM; mg/mL, µg/mL and mg/L of % w/v), or a
/// multiple set per component: % v/v is % w/v over the density of the pure
/// liquid, N is M times the equivalents per formula unit. Without a density
/// of the pure liquid there is no % v/v: setting it does nothing and it
/// reads as NaN.
///
/// Units: M and mM per litre of solution, m per kg of solvent, w and v in
/// percent, ppm, x as a fraction, d in g/mL; molar masses in g/mol.
///
/// Every conversion is evaluated as written, without guarding divisions:
/// impossible input (w = 100, x = 0, a density of 0, infinities or NaN)
/// gives infinities or NaN in the fields, which are shown as "???". Nothing
/// is thrown.
class ConcentrationSet {
public:
    /// Water, the only solvent.
    static constexpr double kSolventMolarMass = 18.0153;

    /// g/mol of the substance; 0 means the substance has none, in which case
    /// a change of concentration updates only the fields that need no molar
    /// mass. Changing it recomputes nothing until the next SetConcentration.
    double MolarMass() const { return molarMass_; }
    void SetMolarMass(double molarMass) { molarMass_ = molarMass; }
    double SolventMolarMass() const { return kSolventMolarMass; }

    /// The unit the component is given and read in; what OwnUnit stands for.
    ConcentrationUnit Unit() const { return unit_; }
    void SetUnit(ConcentrationUnit unit) { unit_ = unit; }

    DensityTable& Table() { return table_; }
    const DensityTable& Table() const { return table_; }

    /// Equivalents per formula unit, what N counts; initially 1.
    double Equivalents() const { return equivalents_; }
    void SetEquivalents(double equivalents) { equivalents_ = equivalents; }

    /// The density of the pure liquid as typed for the substance, g/mL; 0
    /// for none.
    double PureDensity() const { return pureDensity_; }
    void SetPureDensity(double density) { pureDensity_ = density; }

    /// The density of the pure liquid that % v/v uses, g/mL: the table's
    /// row of the pure substance when it has one, else PureDensity(); 0 when
    /// neither gives one, and then % v/v is not offered.
    double PureLiquidDensity() const;

    /// Whether the component can be given in unit: any of the fifteen, but
    /// % v/v only with a density of the pure liquid.
    bool Offers(ConcentrationUnit unit) const;

    /// Stores value in the field of unit (codes 0 … 7; a later unit in the
    /// field it is a multiple of) and recomputes the others from it. For
    /// units other than density the density is first looked up in the table
    /// by the unit's own column, and the ambiguity of the density is checked
    /// again. Any other code, and % v/v without a density of the pure
    /// liquid, does nothing.
    void SetConcentration(double value, ConcentrationUnit unit);

    /// The value in unit (codes 0 … 7 and 9 … 15), or in Unit() for OwnUnit;
    /// −1 for any other code, and for OwnUnit when Unit() is no unit.
    double GetConcentration(ConcentrationUnit unit) const;

    /// Stores value in the field of unit (or the field a later unit is a
    /// multiple of) and nothing else: no other unit is recomputed and no
    /// density is looked up, so the set may be left inconsistent until the
    /// next SetConcentration. For forms that read every field back exactly
    /// as shown. Any other code does nothing.
    void StoreConcentration(double value, ConcentrationUnit unit);

    /// Whether value in unit lies outside the density table's range; a
    /// later unit is checked in the unit it is a multiple of.
    bool IsOutsideDensityRange(double value, ConcentrationUnit unit) const;

    /// value in fromUnit expressed in toUnit, leaving the eight fields as they
    /// were. The table's ambiguity flag keeps the state found for value.
    double ConvertConcentration(double value, ConcentrationUnit fromUnit, ConcentrationUnit toUnit);

    /// Parses the table's text with the molar masses; see DensityTable.
    void ParseDensityTable() { table_.ParseDensityTable(molarMass_, kSolventMolarMass); }

    /// Re-evaluates the table's ambiguity flag for the current density.
    void CheckAmbiguity() { table_.CheckAmbiguity(density_); }

    /// After a density has been stored: the concentration that belongs to it
    /// in the table. Outside the table's densities the concentration of the
    /// end row it lies beyond is taken, while the stored density stays (and
    /// is out of range). Without a table only the density changes.
    void SetDensity();

    /// Switches to the other concentration at which the table reaches the
    /// current density (a curve with a maximum has two, a flat stretch a
    /// range), or back; see DensityTable::OtherRoot. Does nothing unless the
    /// density is ambiguous.
    void SelectOtherRoot();

private:
    /// A later unit as (base unit) × numerator / denominator.
    struct Scale {
        ConcentrationUnit base;
        double numerator;
        double denominator;
    };
    std::optional<Scale> ScaleOf(ConcentrationUnit unit) const;
    double GetHeld(ConcentrationUnit unit) const;

    void SetMolar();
    void SetMolal();
    void SetPercentWW();
    void SetPercentWV();
    void SetMoleFraction();
    void LookUpDensity(ConcentrationUnit column, double value);
    void SetFromRootAtDensity(double value, double density);
    void SetFromMolarityAtDensity(double molarity, double density);
    double MoleFractionOf(double molarity, double density) const;

    double molar_ = 0.0;
    double millimolar_ = 0.0;
    double molal_ = 0.0;
    double percentWW_ = 0.0;
    double ppm_ = 0.0;
    double percentWV_ = 0.0;
    double density_ = 1.0;
    double moleFraction_ = 0.0;
    double molarMass_ = 0.0;
    double equivalents_ = 1.0;
    double pureDensity_ = 0.0;
    ConcentrationUnit unit_ = ConcentrationUnit::Molar;
    DensityTable table_;
};

} // namespace solvo
