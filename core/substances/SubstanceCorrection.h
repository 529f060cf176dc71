#pragma once

#include <optional>
#include <string_view>

namespace solvo {

class SolvoSubstance;

/// The numbers a substance carries beside its formula that correct what is
/// weighed or how its concentration is counted.
enum class SubstanceCorrection {
    Purity,      ///< percent of a weighed solid that is the substance
    Equivalents, ///< equivalents per formula unit, what N counts
    PureDensity, ///< g/mL of the pure liquid, for % v/v; 0 for none
};

/// The correction's value in substance.
double CorrectionValue(SubstanceCorrection correction, const SolvoSubstance& substance);

/// The message for a value out of the correction's range (see
/// SolvoSubstance::IsValidPurity and the others); none for a good value.
std::optional<std::string_view> CorrectionProblem(SubstanceCorrection correction, double value);

/// Reads a field's text into the correction of substance. A text of blanks
/// only, a field cleared to type anew, is no value yet and leaves it as it
/// is. Returns what to tell the user when the text is no number ("Enter a
/// number.") or out of range; substance is then left as it is.
std::optional<std::string_view> TakeCorrection(SubstanceCorrection correction, std::string_view text,
                                               SolvoSubstance& substance);

} // namespace solvo
