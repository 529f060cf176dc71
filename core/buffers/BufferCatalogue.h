#pragma once

#include "buffers/BufferSystem.h"
#include "buffers/IonisationConstant.h"

#include <string_view>
#include <vector>

namespace solvo {

/// The buffer systems the program knows and the ionisation of water, as
/// the build took them from resources/data/buffers/constants.tsv.
class BufferCatalogue {
public:
    /// The catalogue of the built-in constants, made on first use and never
    /// changed afterwards.
    static const BufferCatalogue& BuiltIn();

    /// Groups the lines by system, in the order of their first line. Throws
    /// std::logic_error when a system's steps do not follow one another with
    /// charges falling by one, or when the line of water is missing.
    BufferCatalogue();

    const std::vector<BufferSystem>& Systems() const { return systems_; }
    /// pKw with its enthalpy and heat-capacity change.
    const IonisationConstant& Water() const { return water_; }
    const std::string& WaterSource() const { return waterSource_; }

    /// Index of the system of that name, −1 when there is none.
    int Find(std::string_view name) const;

private:
    std::vector<BufferSystem> systems_;
    IonisationConstant water_{0.0, 0.0, 0.0};
    std::string waterSource_;
};

} // namespace solvo
