#pragma once

#include <cstddef>
#include <cstdint>

namespace solvo {

/// The fields of the solution mixer, in the order they are read back. Rows
/// are counted from 0: the first solution, the second, the mixture.
enum class MixerField : std::int32_t {
    Concentration1 = 0,
    Concentration2 = 1,
    Concentration3 = 2,
    Volume1 = 3, ///< "V", mL
    Volume2 = 4,
    Volume3 = 5,
    SolutionMass1 = 6, ///< "Sm", g
    SolutionMass2 = 7,
    SolutionMass3 = 8,
    MolarMass = 9,
    Name = 10,
    Formula = 11,
};

inline constexpr std::int32_t kMixerFieldCount = 12;
inline constexpr std::size_t kMixerRowCount = 3;

inline MixerField ConcentrationField(std::size_t row)
{
    return static_cast<MixerField>(static_cast<std::int32_t>(row));
}
inline MixerField VolumeField(std::size_t row)
{
    return static_cast<MixerField>(3 + static_cast<std::int32_t>(row));
}
inline MixerField SolutionMassField(std::size_t row)
{
    return static_cast<MixerField>(6 + static_cast<std::int32_t>(row));
}

} // namespace solvo
