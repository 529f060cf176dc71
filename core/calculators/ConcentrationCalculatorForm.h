#pragma once

#include "calculators/CalculatorField.h"
#include "quantities/FieldMessage.h"
#include "quantities/DensityUnit.h"
#include "substances/SolvoSubstance.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solvo {

class ElementTable;

/// The rules of the concentration calculator: one substance's mass and
/// amount, the solution's volume V (mL) and mass Sm (g), and its
/// concentration in the eight units and the later ones, where typing any one
/// recomputes the others while the chosen mode holds one group fixed. A
/// later unit is only shown from the unit it is a multiple of, and read back
/// only while it is typed; % v/v stays empty and cannot be typed without a
/// density of the pure liquid.
///
/// The form edits the component it is given in place; an opener that wants
/// Cancel to undo that keeps what it needs itself. Unless locked, "Clear
/// all" and a substance taken from the database replace the component's
/// whole content.
///
/// Every action reads all fields back from their texts first, so a value is
/// used exactly as shown. The field being typed keeps exactly the text typed
/// while the others are rewritten. Actions that can meet a field that is not
/// a number return the message to show; the fields after it are not read,
/// and the action goes on with what was read. A field showing "???" stands
/// for a value that is not finite: it is never read as a number, so while
/// the user works elsewhere it keeps that value, and OK refuses it.
class ConcentrationCalculatorForm {
public:
    using Message = FieldMessage<CalculatorField>;

    /// Masses outside this range, g, are refused.
    static constexpr double kMaxMass = 1000000.0;
    /// The message for a mass outside 0 … kMaxMass, before its bounds are put in.
    static constexpr std::string_view kMassRangeMessage = "Enter a number between %1 and %2.";

    /// The form as it opens: every field shows its value (the density in
    /// g/mL), mode "be smart", V typed and Sm computed. component and
    /// elements must outlive the form. locked: name, formula, molar mass,
    /// "database" and "Clear all" cannot be used.
    ConcentrationCalculatorForm(SolvoSubstance& component, const ElementTable& elements, bool locked,
                                std::int32_t displayDigits, double volume = 0.0,
                                double solutionMass = 0.0);

    // The user's actions.
    std::optional<Message> Type(CalculatorField field, std::string text);
    /// A numeric field rewrote its own text on losing the focus; nothing is
    /// recomputed.
    void Reformatted(CalculatorField field, std::string text);
    std::optional<Message> ChooseMode(CalculatorMode mode);
    std::optional<Message> ChooseDensityUnit(DensityUnit unit);
    /// Switches between typing V and typing Sm.
    void Toggle();
    /// "next": the other concentration at which the density table reaches the
    /// current density.
    std::optional<Message> Next();
    void Clear();
    /// Not when locked: a fresh empty component.
    std::optional<Message> ClearAll();
    /// Not when locked: the substance chosen in the database dialog, which
    /// works on a copy of the component.
    SolvoSubstance DatabaseCopy() const { return component_; }
    void UseDatabaseSubstance(const SolvoSubstance& chosen);
    /// OK: reads every field; the dialog closes only when no message results,
    /// so never while a field shows "???".
    std::optional<Message> Accept() { return Read(Unknowns::Refuse); }

    // What the controls show.
    const std::string& Text(CalculatorField field) const { return texts_[Index(field)]; }
    bool Enabled(CalculatorField field) const;
    /// Drawn in red: a concentration outside the density table, or negative.
    bool Red(CalculatorField field) const;
    CalculatorMode Mode() const { return mode_; }
    bool VolumeIsInput() const { return volumeIsInput_; }
    /// "<" while V is typed, ">" while Sm is.
    std::string_view ToggleCaption() const { return volumeIsInput_ ? "<" : ">"; }
    bool ToggleEnabled() const { return component_.MolarMass() != 0.0; }
    bool NextEnabled() const { return component_.Table().IsAmbiguous(); }
    /// Whether "(no table)" is shown.
    bool NoTableShown() const { return component_.Table().NoTable(); }
    bool Locked() const { return locked_; }
    DensityUnit GetDensityUnit() const { return densityUnit_; }
    const std::string& FormulaFrameText() const { return component_.Formula(); }

    /// The solution's volume, mL, and mass, g, for the opener.
    double Volume() const { return volume_; }
    double SolutionMass() const { return solutionMass_; }
    const SolvoSubstance& Component() const { return component_; }

    /// The range message with its bounds: "Enter a number between 0 and 1000000."
    static std::string MassRangeMessage();

private:
    static std::size_t Index(CalculatorField field) { return static_cast<std::size_t>(field); }

    /// What reading does with a field, other than the one being typed, that
    /// shows "???": keep the value it stands for, or refuse it as not a number.
    enum class Unknowns { Keep, Refuse };

    std::optional<Message> Read(Unknowns unknowns = Unknowns::Keep);
    void Store(CalculatorField field, double value);
    void Show();
    void Write(CalculatorField field, std::string text);
    std::optional<Message> FormulaTyped();

    void ApplyRule(CalculatorField field);
    void MassOrAmountTyped(bool amountTyped);
    void ConcentrationTyped(ConcentrationUnit unit);
    void VolumeTyped();
    void SolutionMassTyped();
    void CoupleAmountToVolume();
    /// V = n·1000/M unless M is 0; whether V was set.
    bool VolumeFromAmount();
    void StoreMassRatios();

    double Molarity() const { return component_.GetConcentration(ConcentrationUnit::Molar); }
    double DensityValue() const { return component_.GetConcentration(ConcentrationUnit::Density); }
    void SetAmount(double amount) { component_.SetAmountAndMass(amount, component_.Mass()); }
    void SetMass(double mass) { component_.SetAmountAndMass(component_.Amount(), mass); }

    SolvoSubstance& component_;
    const ElementTable& elements_;
    const bool locked_;
    const std::int32_t displayDigits_;
    double volume_;
    double solutionMass_;
    CalculatorMode mode_ = CalculatorMode::BeSmart;
    bool volumeIsInput_ = true;
    DensityUnit densityUnit_ = DensityUnit::GramsPerMillilitre;
    std::array<std::string, kCalculatorFieldCount> texts_;
    /// The field being typed, whose text showing leaves alone.
    std::optional<CalculatorField> guarded_;
};

} // namespace solvo
