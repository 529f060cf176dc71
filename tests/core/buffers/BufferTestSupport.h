#pragma once

#include "buffers/BufferCatalogue.h"
#include "buffers/BufferForm.h"
#include "buffers/BufferFormReader.h"
#include "formula/ElementTable.h"

#include <string_view>

namespace solvo::test {

/// Reads buffer forms with the built-in element table and constants.
class BuiltInForms {
public:
    BuiltInForms() { elements_.LoadDefaults(); }

    BufferForm operator()(std::string_view formula) const { return reader_.Read(formula); }

private:
    ElementTable elements_;
    BufferFormReader reader_{elements_, BufferCatalogue::BuiltIn()};
};

} // namespace solvo::test
