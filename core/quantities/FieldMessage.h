#pragma once

#include <string>

namespace solvo {

/// A message a form asks its window to show about one of its fields; the
/// window then puts the focus on that field.
template <typename Field>
struct FieldMessage {
    Field field;
    std::string text;
};

} // namespace solvo
