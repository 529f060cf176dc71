#pragma once

#include "quantities/UnitLabels.h"
#include "solution/UnitChoices.h"
#include "quantities/FieldMessage.h"
#include "calculators/SolutionMixing.h"
#include "substances/SolvoSubstance.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solvo {

class ElementTable;

/// The rules of the solution mixer: a first and a second solution of one
/// substance give a mixture. Typing either of the first two rows mixes them;
/// typing the mixture's concentration or amount solves the second row
/// instead; with "constant concentrations" the three concentrations are held
/// and typing any row's amount rescales the other two.
///
/// The form owns the component that stands for the substance of all three
/// rows; each row's concentration is held by the form in a unit of its own.
/// Every action reads all fields back from their texts first, so a value is
/// used exactly as shown; the field being typed keeps exactly the text
/// typed. Actions that can meet a field that is not a number return the
/// message to show; the fields after it are not read, and the action goes on
/// with what was read. A field showing "???" stands for a value that is not
/// finite: it is never read as a number, so while the user works elsewhere
/// it keeps that value, and OK refuses it.
class SolutionMixerForm {
public:
    using Message = FieldMessage<MixerField>;

    /// What the concentration calculator starts with for one row.
    struct CalculatorStart {
        double volume = 0.0;       ///< mL
        double solutionMass = 0.0; ///< g
    };

    /// The form as it opens: a fresh empty component, every row 0 in M.
    /// elements and units must outlive the form.
    SolutionMixerForm(const ElementTable& elements, const UnitLabels& units, std::int32_t displayDigits);

    // The user's actions; rows are counted from 0.
    std::optional<Message> Type(MixerField field, std::string text);
    /// A numeric field rewrote its own text on losing the focus; nothing is
    /// recomputed.
    void Reformatted(MixerField field, std::string text) { texts_[Index(field)] = std::move(text); }
    /// The row's concentration is converted into the unit of code.
    std::optional<Message> ChooseUnit(std::size_t row, ConcentrationUnit unit);
    std::optional<Message> ClickConstantConcentrations(bool checked);
    /// Switches the row between typing V and typing Sm.
    void Toggle(std::size_t row) { rows_[row].volumeIsInput = !rows_[row].volumeIsInput; }

    /// "Conc": the concentration calculator runs locked on Component(),
    /// which is first set to the row's concentration, with the row's V and
    /// Sm. When it ends, accepted with OK or not, EndConcentrationCalculator
    /// takes its result or puts the component back.
    CalculatorStart BeginConcentrationCalculator(std::size_t row);
    std::optional<Message> EndConcentrationCalculator(std::size_t row, bool accepted, double volume,
                                                      double solutionMass);

    void Clear();
    void ClearAll();
    /// The substance chosen in the database dialog, which works on a copy.
    SolvoSubstance DatabaseCopy() const { return component_; }
    void UseDatabaseSubstance(const SolvoSubstance& chosen);
    /// OK: reads every field; the dialog closes only when no message results,
    /// so never while a field shows "???".
    std::optional<Message> Accept() { return Read(Unknowns::Refuse); }

    // What the controls show.
    const std::string& Text(MixerField field) const { return texts_[Index(field)]; }
    bool Enabled(MixerField field) const;
    /// Drawn in red: a concentration outside the density table or negative,
    /// or a negative V or Sm.
    bool Red(MixerField field) const;
    bool ConcButtonEnabled(std::size_t row) const;
    bool ToggleEnabled(std::size_t) const { return component_.MolarMass() != 0.0; }
    /// "<" while the row's V is typed, ">" while its Sm is.
    std::string_view ToggleCaption(std::size_t row) const { return rows_[row].volumeIsInput ? "<" : ">"; }
    /// The units every row's list offers: % v/v only while the substance
    /// has a density of the pure liquid.
    const UnitChoices& Units() const { return unitChoices_; }
    const MixerRow& Row(std::size_t row) const { return rows_[row]; }
    bool ConstantConcentrations() const { return constantConcentrations_; }
    const std::string& FormulaFrameText() const { return component_.Formula(); }

    /// The substance of all three rows; the concentration calculator edits it.
    SolvoSubstance& Component() { return component_; }

private:
    static std::size_t Index(MixerField field) { return static_cast<std::size_t>(field); }

    /// What reading does with a field, other than the one being typed, that
    /// shows "???": keep the value it stands for, or refuse it as not a number.
    enum class Unknowns { Keep, Refuse };

    std::optional<Message> Read(Unknowns unknowns = Unknowns::Keep);
    /// One number field into value; false, with value kept, when its text
    /// does not hold one.
    bool ReadNumber(MixerField field, Unknowns unknowns, double& value) const;
    void Show();
    void Write(MixerField field, std::string text);
    void ApplyRule(MixerField field);
    std::optional<Message> Recompute(MixerField field);

    const ElementTable& elements_;
    const UnitLabels& units_;
    UnitChoices unitChoices_;
    const std::int32_t displayDigits_;
    SolvoSubstance component_;
    MixerRows rows_{};
    bool constantConcentrations_ = false;
    std::array<std::string, kMixerFieldCount> texts_;
    /// The field being typed, whose text showing leaves alone.
    std::optional<MixerField> guarded_;

    /// What the concentration calculator may change, to put back on Cancel.
    double keptMolarity_ = 0.0;
    double keptAmount_ = 0.0;
    double keptMass_ = 0.0;
};

} // namespace solvo
