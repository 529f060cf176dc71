#include "solution/ComponentIntake.h"

#include "solution/CSolvoDoc.h"

namespace solvo {

namespace {

bool IsBlank(const SolvoSubstance& component)
{
    return component.Name().empty() && component.Formula().empty() && component.MolarMass() == 0.0;
}

std::int32_t Find(const CSolvoDoc& document, const std::string& formula)
{
    for (std::int32_t i = 0; i < document.GetComponentCount(); ++i) {
        if (!formula.empty() && document.GetComponent(i).Formula() == formula)
            return i;
    }
    return -1;
}

} // namespace

void ComponentIntake::AddOrUpdate(CSolvoDoc& document, const std::vector<SolvoSubstance>& components)
{
    for (const SolvoSubstance& given : components) {
        std::int32_t index = Find(document, given.Formula());
        if (index < 0 && document.GetComponentCount() == 1 && IsBlank(document.GetComponent(0))) {
            index = 0;
            document.ReplaceComponent(0, given);
        } else if (index < 0) {
            index = document.AddComponent(given) - 1;
        }
        // Taking a component in keeps no concentration, so it is set here.
        SolvoSubstance& component = document.GetComponent(index);
        component.SetUnit(ConcentrationUnit::Molar);
        component.SetConcentrationDigits(0);
        component.SetConcentration(given.GetConcentration(ConcentrationUnit::Molar), ConcentrationUnit::Molar);
        if (given.UseStockSolution()) {
            component.SetStockConcentration(given.StockConcentration());
            component.SetStockUnit(given.StockUnit());
            component.SetUseStockSolution(true);
            component.SetSource(given.Source());
        }
        document.RefreshAmounts(component);
    }
    document.SetModified(true);
}

} // namespace solvo
