#pragma once

#include <cstdint>

namespace solvo {

/// The number fields of the buffer calculator.
enum class BufferField : std::int32_t {
    TargetPh = 0,
    Total = 1,          ///< the buffer's total, in the unit chosen
    StockMolar = 2,     ///< mol/L of the titrant's stock; 0 for a weighed titrant
    Temperature = 3,    ///< °C of preparation
    UseTemperature = 4, ///< °C of use; may stay empty
    Salt = 5,           ///< extra NaCl, mol/L
    Volume = 6,         ///< mL of buffer the amounts are for
};

inline constexpr std::int32_t kBufferFieldCount = 7;

/// The lists of the buffer calculator.
enum class BufferList : std::int32_t {
    System = 0,
    Method = 1,   ///< two forms, or one form and a titrant
    AcidForm = 2, ///< the acid form, or the one form titrated
    BaseForm = 3,
    Titrant = 4,
    TotalUnit = 5, ///< "M" or "mM"
};

inline constexpr std::int32_t kBufferListCount = 6;

/// How the buffer is brought to its pH.
enum class BufferMethod : std::int32_t {
    Pair = 0,      ///< two forms of the system, mixed
    Titration = 1, ///< one form with a strong acid or base
};

} // namespace solvo
