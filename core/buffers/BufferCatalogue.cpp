#include "buffers/BufferCatalogue.h"

#include "buffers/IonisationRecord.h"

#include <stdexcept>
#include <string>

namespace solvo {

const BufferCatalogue& BufferCatalogue::BuiltIn()
{
    static const BufferCatalogue catalogue;
    return catalogue;
}

BufferCatalogue::BufferCatalogue()
{
    bool water = false;
    for (const IonisationRecord& record : IonisationRecords()) {
        const IonisationConstant constant(record.pK, record.enthalpy, record.heatCapacity);
        const std::string name = record.system;
        if (name == "water") {
            water_ = constant;
            waterSource_ = record.source;
            water = true;
            continue;
        }
        int index = Find(name);
        if (index < 0) {
            // The formula is the compound column's first word; a remark may follow.
            const std::string compound = record.compound;
            systems_.emplace_back(name, compound.substr(0, compound.find(' ')), record.acidCharge);
            index = static_cast<int>(systems_.size()) - 1;
        }
        BufferSystem& system = systems_[static_cast<std::size_t>(index)];
        const std::size_t steps = system.StepCount();
        if (steps > 0 && (record.step != system.StepNumber(steps - 1) + 1 ||
                          record.acidCharge != system.SpeciesCharge(steps)))
            throw std::logic_error("buffer constants: the steps of " + name + " do not follow one another");
        system.AddStep(record.step, constant, record.source);
    }
    if (!water)
        throw std::logic_error("buffer constants: the line of water is missing");
}

int BufferCatalogue::Find(std::string_view name) const
{
    for (std::size_t i = 0; i < systems_.size(); ++i) {
        if (systems_[i].Name() == name)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace solvo
