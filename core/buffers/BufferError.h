#pragma once

#include <stdexcept>

namespace solvo {

/// Input that the buffer calculations cannot use: a formula that is no form
/// of a buffer system or strong electrolyte, an amount or temperature out of
/// range, a pH the forms cannot reach. what() is the program's text
/// (Windows-1252) naming the value.
class BufferError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace solvo
