#include "buffers/BufferFormChoices.h"

#include "buffers/BufferCatalogue.h"
#include "buffers/BufferError.h"
#include "buffers/BufferFormReader.h"

#include <algorithm>
#include <cmath>

namespace solvo {

namespace {

// Species j's formula without its charge, nor the note the data file may
// give after the compound ("H2CO3 (CO2 in water)").
std::string Bare(const BufferSystem& system, std::size_t j)
{
    const std::string formula = system.SpeciesFormula(j);
    return formula.substr(0, formula.find_first_of("^ "));
}

std::string Count(int n)
{
    return n > 1 ? std::to_string(n) : std::string();
}

// The salt a laboratory buys of species j: sodium for an anion, the
// hydrochloride of a protonated base, written as the adduct chemists know.
std::string SaltOf(const BufferSystem& system, std::size_t j)
{
    const int charge = system.SpeciesCharge(j);
    if (charge < 0)
        return "Na" + Count(-charge) + Bare(system, j);
    const int neutral = system.SpeciesOfCharge(0);
    if (charge == 0 || neutral < 0)
        return Bare(system, j);
    return Bare(system, static_cast<std::size_t>(neutral)) + "&" + Count(charge) + "HCl";
}

bool SameForm(const BufferForm& a, const BufferForm& b)
{
    return a.system == b.system && a.charge == b.charge && a.strongIons == b.strongIons &&
           std::abs(a.molarMass - b.molarMass) < 1e-6;
}

} // namespace

BufferFormChoices::BufferFormChoices(const BufferFormReader& reader, const BufferCatalogue& catalogue,
                                     const std::vector<std::string>& shelf)
    : forms_(catalogue.Systems().size())
{
    std::vector<std::string> formulas;
    for (const BufferSystem& system : catalogue.Systems()) {
        for (std::size_t j = 0; j <= system.StepCount(); ++j)
            formulas.push_back(SaltOf(system, j));
    }
    formulas.insert(formulas.end(), shelf.begin(), shelf.end());
    for (const std::string& formula : formulas) {
        try {
            Offer(reader.Read(formula));
        } catch (const BufferError&) {
            // Not a buffer form: the shelf holds every other substance too.
        }
    }
    for (std::vector<BufferForm>& forms : forms_)
        std::stable_sort(forms.begin(), forms.end(),
                         [](const BufferForm& a, const BufferForm& b) { return a.charge > b.charge; });
}

void BufferFormChoices::Offer(const BufferForm& form)
{
    if (form.IsStrong())
        return;
    std::vector<BufferForm>& forms = forms_[static_cast<std::size_t>(form.system)];
    if (std::none_of(forms.begin(), forms.end(), [&](const BufferForm& offered) { return SameForm(offered, form); }))
        forms.push_back(form);
}

int BufferFormChoices::FirstOfCharge(std::size_t system, int charge) const
{
    const std::vector<BufferForm>& forms = forms_[system];
    const auto found =
        std::find_if(forms.begin(), forms.end(), [charge](const BufferForm& form) { return form.charge == charge; });
    return found == forms.end() ? -1 : static_cast<int>(found - forms.begin());
}

} // namespace solvo
