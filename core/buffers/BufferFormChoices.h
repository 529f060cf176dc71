#pragma once

#include "buffers/BufferForm.h"

#include <cstddef>
#include <string>
#include <vector>

namespace solvo {

class BufferCatalogue;
class BufferFormReader;

/// The forms a chemist can take of each buffer system, most protonated
/// first: the sodium salts of its anions (the chloride of a protonated base,
/// the compound itself when neutral), then every formula on the shelf (the
/// substance database's formulas and their alternatives) that is a form of
/// the system and not one offered already, such as a hydrate or a potassium
/// salt.
class BufferFormChoices {
public:
    /// shelf may hold anything; formulas that are no form of a system are
    /// passed over.
    BufferFormChoices(const BufferFormReader& reader, const BufferCatalogue& catalogue,
                      const std::vector<std::string>& shelf);

    /// The forms of the system at a catalogue index, by falling charge.
    const std::vector<BufferForm>& Forms(std::size_t system) const { return forms_[system]; }
    /// Index in Forms(system) of the first form of that charge, −1 for none.
    int FirstOfCharge(std::size_t system, int charge) const;

private:
    void Offer(const BufferForm& form);

    std::vector<std::vector<BufferForm>> forms_;
};

} // namespace solvo
