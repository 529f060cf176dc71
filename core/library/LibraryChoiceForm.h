#pragma once

#include "library/LibraryRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace solvo {

/// One listed solute as the choice list shows it, in the program's text.
struct LibraryChoiceRow {
    const LibraryRecord* record = nullptr;
    std::string name;
    std::string synonym;
    std::string formula;
    std::string cas;
    std::string range; ///< for example "0–30 % w/w, 20 °C"
};

/// The rules of the list that picks a solute of the reagent library: the
/// filter is the substance database dialog's pattern, matched against the
/// name, synonym, formula and CAS number; "." or nothing lists all. The
/// filter text typed is kept as typed; a pattern that does not compile
/// lists nothing and paints the filter red.
class LibraryChoiceForm {
public:
    LibraryChoiceForm();

    void TypeFilter(std::string text);
    /// A row was selected (−1: none).
    void SelectRow(std::int32_t row);

    const std::string& FilterText() const { return filter_; }
    bool FilterRed() const { return filterRed_; }
    const std::vector<LibraryChoiceRow>& Rows() const { return rows_; }
    std::int32_t SelectedRow() const { return selected_; }
    /// "Add" is enabled while a row is selected.
    bool AddEnabled() const { return selected_ >= 0; }
    /// The selected solute; null when none.
    const LibraryRecord* Chosen() const;

private:
    void Fill();

    std::string filter_ = ".";
    bool filterRed_ = false;
    std::vector<LibraryChoiceRow> rows_;
    std::int32_t selected_ = -1;
};

} // namespace solvo
