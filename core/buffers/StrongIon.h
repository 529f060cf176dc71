#pragma once

#include <array>
#include <cstddef>

namespace solvo {

/// The ions of strong acids, bases and salts that take part in a buffer as
/// counter-ions: fully dissociated, singly charged, with no acid-base step.
struct StrongIon {
    const char* symbol;  ///< the element as a formula writes it
    int charge;
    const char* formula; ///< the free ion, with charge markup
};

inline constexpr std::array<StrongIon, 5> kStrongIons = {{
    {"Li", 1, "Li^+"},
    {"Na", 1, "Na^+"},
    {"K", 1, "K^+"},
    {"Cl", -1, "Cl^-"},
    {"Br", -1, "Br^-"},
}};

inline constexpr std::size_t kStrongIonCount = kStrongIons.size();

} // namespace solvo
