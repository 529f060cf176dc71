#include "substances/SubstanceCorrection.h"

#include "quantities/FieldTransfer.h"
#include "substances/SolvoSubstance.h"

namespace solvo {

double CorrectionValue(SubstanceCorrection correction, const SolvoSubstance& substance)
{
    switch (correction) {
    case SubstanceCorrection::Purity:
        return substance.Purity();
    case SubstanceCorrection::Equivalents:
        return substance.Equivalents();
    case SubstanceCorrection::PureDensity:
        break;
    }
    return substance.PureDensity();
}

std::optional<std::string_view> CorrectionProblem(SubstanceCorrection correction, double value)
{
    switch (correction) {
    case SubstanceCorrection::Purity:
        if (!SolvoSubstance::IsValidPurity(value))
            return SolvoSubstance::kPurityRangeMessage;
        break;
    case SubstanceCorrection::Equivalents:
        if (!SolvoSubstance::IsValidEquivalents(value))
            return SolvoSubstance::kEquivalentsRangeMessage;
        break;
    case SubstanceCorrection::PureDensity:
        if (!SolvoSubstance::IsValidPureDensity(value))
            return SolvoSubstance::kPureDensityRangeMessage;
        break;
    }
    return std::nullopt;
}

std::optional<std::string_view> TakeCorrection(SubstanceCorrection correction, std::string_view text,
                                               SolvoSubstance& substance)
{
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return std::nullopt;
    const TakenNumber<double> taken = TakeDouble(text);
    if (!taken.number)
        return kEnterNumberMessage;
    if (const std::optional<std::string_view> problem = CorrectionProblem(correction, *taken.number))
        return problem;
    switch (correction) {
    case SubstanceCorrection::Purity:
        substance.SetPurity(*taken.number);
        break;
    case SubstanceCorrection::Equivalents:
        substance.SetEquivalents(*taken.number);
        break;
    case SubstanceCorrection::PureDensity:
        substance.SetPureDensity(*taken.number);
        break;
    }
    return std::nullopt;
}

} // namespace solvo
