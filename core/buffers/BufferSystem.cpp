#include "buffers/BufferSystem.h"

#include <cctype>
#include <cstdlib>
#include <utility>

namespace solvo {

BufferSystem::BufferSystem(std::string name, std::string compound, int firstCharge)
    : name_(std::move(name)), compound_(std::move(compound)), firstCharge_(firstCharge)
{
}

void BufferSystem::AddStep(int number, const IonisationConstant& constant, std::string source)
{
    steps_.push_back({number, constant, std::move(source)});
}

int BufferSystem::SpeciesOfCharge(int charge) const
{
    const int j = firstCharge_ - charge;
    return j >= 0 && j <= static_cast<int>(steps_.size()) ? j : -1;
}

std::string BufferSystem::SpeciesFormula(std::size_t j) const
{
    // The compound is neutral: the species of charge z holds z more protons.
    const int charge = SpeciesCharge(j);
    std::string formula = compound_;
    std::size_t h = 0;
    while (h < formula.size() &&
           !(formula[h] == 'H' && (h + 1 == formula.size() || !std::islower(static_cast<unsigned char>(formula[h + 1])))))
        ++h;
    std::size_t end = h + 1;
    while (end < formula.size() && std::isdigit(static_cast<unsigned char>(formula[end])))
        ++end;
    const int count = (end > h + 1 ? std::atoi(formula.c_str() + h + 1) : 1) + charge;
    formula.replace(h, end - h, count == 0 ? "" : count == 1 ? "H" : "H" + std::to_string(count));
    if (charge != 0) {
        const int size = charge < 0 ? -charge : charge;
        formula += "^" + (size > 1 ? std::to_string(size) : std::string()) + (charge < 0 ? "-" : "+");
    }
    return formula;
}

} // namespace solvo
