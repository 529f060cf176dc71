#pragma once

#include <cstdint>
#include <string>

namespace solvo {

/// One entry of the element and moiety table: a chemical element, the
/// electron pseudo-element "e", or a user's moiety (an abbreviation that
/// counts as one "atom" with its own molar mass).
struct Element {
    std::string symbol;      ///< unique key, compared byte for byte
    std::string composition; ///< the formula a moiety stands for; empty for elements
    std::string comment;     ///< free text
    double molarMass = 0.0;  ///< g/mol
    std::int32_t decimals = 0; ///< digits after the point in the mass text that was entered

    bool operator==(const Element&) const = default;
};

} // namespace solvo
