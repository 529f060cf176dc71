#pragma once

#include <cstdint>

namespace solvo {

/// The unit a solution's final volume, and every volume of its recipe, is
/// shown in. The volume itself is always held in litres. Stored in the
/// solution file.
enum class VolumeUnit : std::int32_t {
    Litre = 0,      ///< "L"
    Millilitre = 1, ///< "mL"
};

} // namespace solvo
