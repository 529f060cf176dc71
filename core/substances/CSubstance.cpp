#include "substances/CSubstance.h"

#include "formula/ChemicalFormula.h"
#include "substances/Archive.h"

namespace solvo {

void CSubstance::UpdateMolarMass(const ElementTable& elements)
{
    if (formula_.empty()) {
        molarMass_ = 0.0;
        return;
    }
    const double molarMass = ChemicalFormula::MolarMassOf(elements, formula_);
    if (molarMass != 0.0)
        molarMass_ = molarMass;
}

void CSubstance::Serialize(Archive& ar, const ElementTable&)
{
    // Every version of this record has the same layout, so the word read is not looked at.
    std::uint32_t version = kRecordVersion;
    ar.Transfer(version);
    ar.Transfer(name_);
    ar.Transfer(formula_);
    ar.Transfer(reservedText_);
    ar.Transfer(molarMass_);
    ar.Transfer(reservedNumber_);
}

} // namespace solvo
