#pragma once

#include "buffers/BufferCalculation.h"
#include "buffers/BufferField.h"
#include "buffers/BufferFormChoices.h"
#include "buffers/BufferFormReader.h"
#include "quantities/FieldMessage.h"
#include "substances/SolvoSubstance.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace solvo {

class BufferCatalogue;
class ElementTable;

/// The rules of the buffer calculator: a system and two of its forms, or
/// one form and a strong acid or base from a stock, brought to a target pH
/// at a total concentration, a temperature of preparation (and optionally
/// of use) and an extra amount of NaCl. Every edit reads every field and
/// computes everything again; the field being typed keeps exactly its text.
///
/// A field that is no number (or shows "???", whose value is unknown) gives
/// the program's message and no result; a number out of range is drawn red
/// and gives no result; a pH the forms cannot reach gives no result and the
/// chemistry's refusal, which names the range they can.
class BufferCalculatorForm {
public:
    using Message = FieldMessage<BufferField>;

    /// One ingredient as the dialog lists it.
    struct Line {
        std::string formula;
        std::string molar;  ///< mol/L in the finished buffer
        std::string amount; ///< "12.3 g" to weigh or "29.6 mL" of stock, for the volume
    };

    /// What a number field may hold; outside it the field is red and nothing is made.
    struct Range {
        double lowest;
        double highest;
        bool lowestAllowed; ///< whether lowest itself is allowed
    };

    /// The form as it opens: phosphate from its sodium salts at pH 7.4,
    /// 0.1 M, 25 °C, for millilitres of buffer (1000 when 0). shelf holds the
    /// formulas of the substance database (alternatives too) whose buffer
    /// forms are offered besides the sodium salts. elements must outlive
    /// the form.
    BufferCalculatorForm(const ElementTable& elements, const std::vector<std::string>& shelf, double millilitres,
                         std::int32_t displayDigits);

    // The user's actions.
    std::optional<Message> Type(BufferField field, std::string text);
    /// A number field rewrote its own text on losing the focus.
    void Reformatted(BufferField field, std::string text) { texts_[Index(field)] = std::move(text); }
    std::optional<Message> Choose(BufferList list, int index);
    /// OK: refuses a field that is no number or out of range, and a buffer
    /// that cannot be made (the message is the refusal).
    std::optional<Message> Accept();

    /// After Accept(): the components that make the buffer, each in M, in the
    /// order of the ingredients; a stock titrant is measured from its stock.
    std::vector<SolvoSubstance> Components() const;
    /// mL the amounts are for.
    double Millilitres() const { return millilitres_; }

    // What the controls show.
    const std::string& Text(BufferField field) const { return texts_[Index(field)]; }
    bool Enabled(BufferField field) const;
    bool Red(BufferField field) const { return red_[Index(field)]; }
    const std::vector<std::string>& Items(BufferList list) const { return items_[Index(list)]; }
    int Selection(BufferList list) const { return selection_[Index(list)]; }
    /// The base form's list shows for a pair, the titrant's for a titration.
    bool Visible(BufferList list) const;
    BufferMethod Method() const { return static_cast<BufferMethod>(Selection(BufferList::Method)); }

    const std::vector<Line>& Lines() const { return lines_; }
    /// pH of the amounts, computed again from them; empty without a result.
    const std::string& ResultPh() const { return resultPh_; }
    /// pH of the same amounts at the temperature of use; empty without one.
    const std::string& PhAtUse() const { return pHAtUse_; }
    const std::string& IonicStrength() const { return ionicStrength_; }
    const std::string& Capacity() const { return capacity_; }
    /// The chemistry's warnings, or its refusal.
    const std::vector<std::string>& Notes() const { return notes_; }
    const std::vector<BufferCurvePoint>& Curve() const { return calculation_.curve; }
    /// The point of the target on Curve(); meaningful when Curve() is not empty.
    BufferCurvePoint Target() const { return calculation_.target; }
    /// What the curve's x runs over: "base form share", "HCl, mL".
    std::string CurveAxis() const;

private:
    template <typename Enum> static std::size_t Index(Enum e) { return static_cast<std::size_t>(e); }

    Range RangeOf(BufferField field) const;
    void ChooseSystem(int index);
    void ChooseDefaultForms();
    std::optional<Message> Read(BufferInputs& inputs);
    std::optional<Message> Recompute();
    void ShowResult(const BufferInputs& inputs);
    void Clear();
    const BufferForm& FormAt(BufferList list) const;

    const ElementTable& elements_;
    const BufferCatalogue& catalogue_;
    BufferFormReader reader_;
    BufferFormChoices choices_;
    std::vector<BufferForm> titrants_;
    BufferForm salt_;
    const std::int32_t displayDigits_;
    std::array<std::string, kBufferFieldCount> texts_;
    std::array<bool, kBufferFieldCount> red_{};
    std::array<std::vector<std::string>, kBufferListCount> items_;
    std::array<int, kBufferListCount> selection_{};

    double millilitres_ = 1000.0;
    BufferCalculation calculation_;
    std::vector<Line> lines_;
    std::string resultPh_;
    std::string pHAtUse_;
    std::string ionicStrength_;
    std::string capacity_;
    std::vector<std::string> notes_;
};

} // namespace solvo
