#pragma once

#include "formula/FormulaFrame.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class ElementTable;

/// The rules of the moieties editor: the list of the element and moiety
/// table with its sort order, the four fields of the entry being edited and
/// the Add, Modify and Delete buttons. Every change goes straight into the
/// table. The window shows the state after each event and shows the message
/// an event returns; an empty message means there is none.
class MoietiesForm {
public:
    /// List columns, in their order on screen.
    enum class Column : std::int32_t { Number = 0, Symbol = 1, MolarMass = 2, Formula = 3 };
    static constexpr std::int32_t kColumnCount = 4;

    /// The first entry that may be modified or deleted: entries below are built in.
    static constexpr std::int32_t kFirstMoiety = 104;

    static constexpr std::string_view kDuplicateSymbolMessage =
        "A moiety with such a symbol already exists.";
    static constexpr std::string_view kInUseMessage =
        "You can't remove moiety used in open documents or database.";

    /// For every table entry (at least), how often the open solutions and the
    /// substance database use it.
    using UseCounter = std::function<std::vector<std::int32_t>()>;

    /// One line of the list: the table entry it shows and its four cells.
    struct Row {
        std::int32_t entry = 0;
        std::array<std::string, kColumnCount> cells;
    };

    /// Opens on table with the list in index order, no entry selected and
    /// every button disabled. displayDigits words a molar mass computed from
    /// a composition. table must outlive the form.
    MoietiesForm(ElementTable& table, std::int32_t displayDigits, UseCounter countUses);

    const std::string& Symbol() const { return symbol_; }
    const std::string& Composition() const { return composition_; }
    const std::string& Comment() const { return comment_; }
    /// The molar mass field's text, as shown.
    const std::string& MolarMassText() const { return molarMassText_; }
    /// g/mol, as read from the field; 0 when the field holds no number.
    double MolarMass() const { return molarMass_; }
    /// The formula the frame under the fields shows (the composition field's).
    const std::string& FrameText() const { return composition_; }

    /// The table entry selected in the list; −1 when none.
    std::int32_t Selected() const { return selected_; }
    bool AddEnabled() const { return addEnabled_; }
    bool ModifyEnabled() const { return modifyEnabled_; }
    bool DeleteEnabled() const { return deleteEnabled_; }

    /// The list's rows in the order shown; entry 0 is never listed.
    const std::vector<Row>& Rows() const { return rows_; }
    /// Counts the rebuilds of the list, so that a window redraws it only when it changed.
    std::uint64_t ListRevision() const { return listRevision_; }
    Column SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return ascending_; }

    /// The user selected the row of entry: the fields show that entry; a
    /// built-in element shows its symbol as its composition.
    void SelectEntry(std::int32_t entry);

    void TypeSymbol(std::string_view text);
    void TypeComment(std::string_view text);
    void TypeMolarMass(std::string_view text);
    /// Also puts the composition's molar mass (0 when it has none) into the
    /// molar mass field.
    void TypeComposition(std::string_view text);
    /// The number field rewrote its own text on losing the focus.
    void MolarMassReformatted(std::string_view text);

    /// A click on a column heading: sorts by that column, ascending when it
    /// is another column than before, else in the other direction.
    void SortBy(Column column);

    /// Adds the fields as a new moiety; kDuplicateSymbolMessage when the
    /// symbol is taken.
    std::string_view Add();
    /// Replaces the selected moiety by the fields; kDuplicateSymbolMessage
    /// when another entry has the symbol.
    std::string_view Modify();
    /// Removes the selected moiety (the button, or the Delete key while the
    /// button is enabled); kInUseMessage while anything still uses it.
    std::string_view Delete();

    /// The decimals of a mass typed as text: the characters after its first ".".
    static std::int32_t DecimalsOf(std::string_view molarMassText);
    /// A mass written with decimals digits after the point, as the list shows it.
    static std::string FixedText(double molarMass, std::int32_t decimals);

private:
    void ReadMolarMass(std::string_view text);
    void UpdateButtons();
    void FillList();
    void SortList();
    bool SymbolAcceptable() const;

    ElementTable& table_;
    std::int32_t displayDigits_;
    UseCounter countUses_;
    FormulaFrame compositionFrame_;

    std::string symbol_;
    std::string composition_;
    std::string comment_;
    std::string molarMassText_;
    double molarMass_ = 0.0;
    std::int32_t selected_ = -1;
    bool addEnabled_ = false;
    bool modifyEnabled_ = false;
    bool deleteEnabled_ = false;

    std::vector<Row> rows_;
    std::uint64_t listRevision_ = 0;
    Column sortColumn_ = Column::Number;
    bool ascending_ = true;
};

} // namespace solvo
