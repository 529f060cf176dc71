#pragma once

#include "buffers/IonisationConstant.h"

#include <string>
#include <vector>

namespace solvo {

/// A buffer acid with its ionisation steps, from the most protonated form
/// (charge FirstCharge()) to the least (one charge lower per step). Its
/// species are numbered 0 … StepCount() by protons given up.
class BufferSystem {
public:
    /// compound is the neutral compound's formula as the constants file
    /// names it, firstCharge the charge of the acid form of the first step.
    BufferSystem(std::string name, std::string compound, int firstCharge);

    /// Appends the next step, numbered as the data file numbers it.
    void AddStep(int number, const IonisationConstant& constant, std::string source);

    const std::string& Name() const { return name_; }
    const std::string& Compound() const { return compound_; }
    int FirstCharge() const { return firstCharge_; }
    std::size_t StepCount() const { return steps_.size(); }
    const IonisationConstant& Step(std::size_t index) const { return steps_[index].constant; }
    int StepNumber(std::size_t index) const { return steps_[index].number; }
    const std::string& StepSource(std::size_t index) const { return steps_[index].source; }

    /// Charge of species j (0 … StepCount()).
    int SpeciesCharge(std::size_t j) const { return firstCharge_ - static_cast<int>(j); }
    /// The species that carries charge, or −1 when the system has none.
    int SpeciesOfCharge(int charge) const;
    /// Formula of species j with charge markup, the compound's hydrogen
    /// count changed: "H2PO4^-" for phosphoric acid's species 1.
    std::string SpeciesFormula(std::size_t j) const;

private:
    struct StepRecord {
        int number;
        IonisationConstant constant;
        std::string source;
    };

    std::string name_;
    std::string compound_;
    int firstCharge_;
    std::vector<StepRecord> steps_;
};

} // namespace solvo
