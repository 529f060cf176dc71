#include "library/LibraryChoiceForm.h"

#include "library/ReagentLibrary.h"
#include "substances/SubstanceFilter.h"

namespace solvo {

LibraryChoiceForm::LibraryChoiceForm()
{
    Fill();
}

void LibraryChoiceForm::TypeFilter(std::string text)
{
    filter_ = std::move(text);
    Fill();
}

void LibraryChoiceForm::SelectRow(std::int32_t row)
{
    selected_ = row >= 0 && row < static_cast<std::int32_t>(rows_.size()) ? row : -1;
}

const LibraryRecord* LibraryChoiceForm::Chosen() const
{
    return selected_ >= 0 ? rows_[static_cast<std::size_t>(selected_)].record : nullptr;
}

void LibraryChoiceForm::Fill()
{
    const SubstanceFilter filter(filter_);
    filterRed_ = filter.Error().has_value();
    // The selection follows its solute while it stays listed.
    const LibraryRecord* chosen = Chosen();
    rows_.clear();
    selected_ = -1;
    for (const LibraryRecord* record : ReagentLibrary::List(filter)) {
        if (record == chosen)
            selected_ = static_cast<std::int32_t>(rows_.size());
        rows_.push_back({record, record->name, record->synonym, record->formula, record->cas,
                         ReagentLibrary::RangeText(*record)});
    }
}

} // namespace solvo
