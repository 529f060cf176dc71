#pragma once

#include <cstddef>
#include <string>

namespace solvo {

/// Why a pattern could not be compiled.
struct PatternError {
    /// The byte offset in the pattern of the part at fault.
    std::size_t offset = 0;
    /// One sentence naming that part and its character position (from 1).
    std::string message;
};

} // namespace solvo
