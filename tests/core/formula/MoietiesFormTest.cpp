#include "formula/ElementTable.h"
#include "formula/MoietiesForm.h"

#include <gtest/gtest.h>

#include <vector>

namespace solvo {
namespace {

using Column = MoietiesForm::Column;

class MoietiesFormTest : public ::testing::Test {
protected:
    MoietiesFormTest() { table.LoadDefaults(); }

    MoietiesForm Open()
    {
        return MoietiesForm(table, 4, [this] { return uses; });
    }

    static std::vector<std::string> Column(const MoietiesForm& form, MoietiesForm::Column column)
    {
        std::vector<std::string> cells;
        for (const auto& row : form.Rows())
            cells.push_back(row.cells[static_cast<std::size_t>(column)]);
        return cells;
    }

    ElementTable table;
    std::vector<std::int32_t> uses;
};

TEST_F(MoietiesFormTest, OpensOnTheBuiltInTableWithNothingSelected)
{
    const MoietiesForm form = Open();
    ASSERT_EQ(form.Rows().size(), 103u);
    EXPECT_EQ(form.Rows().front().cells,
              (std::array<std::string, 4>{"1", "H", "1.00794", ""}));
    EXPECT_EQ(form.Rows().back().cells[1], "Lr");
    EXPECT_EQ(form.Selected(), -1);
    EXPECT_EQ(form.MolarMassText(), "0");
    EXPECT_FALSE(form.AddEnabled());
    EXPECT_FALSE(form.ModifyEnabled());
    EXPECT_FALSE(form.DeleteEnabled());
    EXPECT_EQ(form.SortColumn(), Column::Number);
    EXPECT_TRUE(form.SortAscending());
}

TEST_F(MoietiesFormTest, SelectingAnElementShowsItButOffersNoButton)
{
    MoietiesForm form = Open();
    form.SelectEntry(table.FindSymbol("Na"));
    EXPECT_EQ(form.Symbol(), "Na");
    EXPECT_EQ(form.Composition(), "Na");
    EXPECT_EQ(form.FrameText(), "Na");
    EXPECT_DOUBLE_EQ(form.MolarMass(), 22.98976928);
    EXPECT_EQ(form.MolarMassText(), "22.98976928");
    EXPECT_FALSE(form.AddEnabled());
    EXPECT_FALSE(form.ModifyEnabled());
    EXPECT_FALSE(form.DeleteEnabled());

    // Even with a new symbol typed, an element is never modified.
    form.TypeSymbol("Xy");
    EXPECT_TRUE(form.AddEnabled());
    EXPECT_FALSE(form.ModifyEnabled());
}

TEST_F(MoietiesFormTest, TypedCompositionGivesTheMassAndItsShownDecimals)
{
    MoietiesForm form = Open();
    form.TypeSymbol("Cit");
    EXPECT_FALSE(form.AddEnabled()) << "no molar mass yet";
    form.TypeComposition("C_6H_5O_7");
    EXPECT_EQ(form.MolarMassText(), "189.0997");
    EXPECT_TRUE(form.AddEnabled());

    EXPECT_EQ(form.Add(), "");
    ASSERT_EQ(table.Count(), 105);
    const Element& added = table.Entry(104);
    EXPECT_EQ(added.symbol, "Cit");
    EXPECT_EQ(added.composition, "C_6H_5O_7");
    EXPECT_EQ(added.decimals, 4);
    EXPECT_TRUE(table.IsModified());
    EXPECT_EQ(form.Rows().back().cells,
              (std::array<std::string, 4>{"104", "Cit", "189.0997", "C_6H_5O_7"}));
    EXPECT_FALSE(form.AddEnabled()) << "the symbol is taken now";
}

TEST_F(MoietiesFormTest, MassTypedByHandKeepsItsDecimals)
{
    const struct {
        const char* text;
        double mass;
        std::int32_t decimals;
        const char* listed;
    } cases[] = {
        {"12.345", 12.345, 3, "12.345"},
        {"12.3450", 12.345, 4, "12.3450"},
        {"120", 120.0, 0, "120"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        table.LoadDefaults();
        MoietiesForm form = Open();
        form.TypeSymbol("Q");
        form.TypeComposition("unknown");
        EXPECT_EQ(form.MolarMass(), 0.0);
        EXPECT_FALSE(form.AddEnabled());
        form.TypeMolarMass(c.text);
        EXPECT_EQ(form.Add(), "");
        EXPECT_DOUBLE_EQ(table.Entry(104).molarMass, c.mass);
        EXPECT_EQ(table.Entry(104).decimals, c.decimals);
        EXPECT_EQ(form.Rows().back().cells[2], c.listed);
    }
}

TEST_F(MoietiesFormTest, OnlySymbolsStartingWithACapitalAreAccepted)
{
    for (const char* symbol : {"cit", "1Cit", " Cit", "", "\xC4x"}) {
        SCOPED_TRACE(symbol);
        table.LoadDefaults();
        table.AddEntry("Q", "", "", 10.0, 1);
        MoietiesForm form = Open();
        form.SelectEntry(104);
        form.TypeSymbol(symbol);
        EXPECT_FALSE(form.AddEnabled());
        EXPECT_FALSE(form.ModifyEnabled());
    }
}

TEST_F(MoietiesFormTest, ModifyKeepsTheEntrySelectedAndRefusesATakenSymbol)
{
    table.AddEntry("Cit", "C_6H_5O_7", "", 189.0997, 4);
    MoietiesForm form = Open();
    form.SelectEntry(104);
    EXPECT_TRUE(form.DeleteEnabled());
    form.TypeComment("citrate");
    ASSERT_TRUE(form.ModifyEnabled());
    EXPECT_EQ(form.Modify(), "");
    EXPECT_EQ(table.Entry(104).comment, "citrate");
    EXPECT_EQ(table.Entry(104).decimals, 4);
    EXPECT_EQ(form.Selected(), 104);

    form.TypeSymbol("Na");
    EXPECT_EQ(form.Modify(), MoietiesForm::kDuplicateSymbolMessage);
    EXPECT_EQ(table.Entry(104).symbol, "Cit");
}

TEST_F(MoietiesFormTest, DeleteIsRefusedWhileTheMoietyIsUsed)
{
    table.AddEntry("Cit", "C_6H_5O_7", "", 189.0997, 4);
    table.AddEntry("Tris", "C_4H_11NO_3", "", 121.135, 3);
    MoietiesForm form = Open();
    uses.assign(107, 0);
    uses[104] = 1;
    form.SelectEntry(104);
    EXPECT_EQ(form.Delete(), MoietiesForm::kInUseMessage);
    EXPECT_EQ(table.Count(), 106);

    form.SelectEntry(105);
    ASSERT_TRUE(form.DeleteEnabled());
    EXPECT_EQ(form.Delete(), "");
    EXPECT_EQ(table.Count(), 105);
    EXPECT_EQ(form.Selected(), -1);
    EXPECT_FALSE(form.DeleteEnabled());
    EXPECT_EQ(form.Rows().size(), 104u);

    // Entries below the moieties are never removed, whatever is asked.
    form.SelectEntry(11);
    EXPECT_EQ(form.Delete(), "");
    EXPECT_EQ(table.Count(), 105);
}

TEST_F(MoietiesFormTest, SortingRemembersColumnAndDirection)
{
    table.AddEntry("Cit", "C_6H_5O_7", "", 189.0997, 4);
    MoietiesForm form = Open();

    form.SortBy(Column::Symbol);
    EXPECT_TRUE(form.SortAscending());
    const auto symbols = Column(form, Column::Symbol);
    EXPECT_EQ(std::vector<std::string>(symbols.begin(), symbols.begin() + 4),
              (std::vector<std::string>{"Ac", "Ag", "Al", "Am"}));
    EXPECT_EQ(symbols.back(), "Zr");

    form.SortBy(Column::Symbol);
    EXPECT_FALSE(form.SortAscending());
    EXPECT_EQ(Column(form, Column::Symbol).front(), "Zr");

    // Adding keeps the order that was chosen.
    form.TypeSymbol("Zz");
    form.TypeMolarMass("1.5");
    EXPECT_EQ(form.Add(), "");
    EXPECT_EQ(Column(form, Column::Symbol).front(), "Zz");
    EXPECT_EQ(form.SortColumn(), Column::Symbol);
    EXPECT_FALSE(form.SortAscending());

    // Another column starts ascending; masses compare as numbers.
    form.SortBy(Column::MolarMass);
    EXPECT_TRUE(form.SortAscending());
    const auto masses = Column(form, Column::MolarMass);
    EXPECT_EQ(masses.front(), "1.00794");
    EXPECT_EQ(masses[1], "1.5");
    EXPECT_EQ(Column(form, Column::Symbol).back(), "Lr");

    form.SortBy(Column::Number);
    EXPECT_EQ(form.Rows().front().entry, 1);
    form.SortBy(Column::Number);
    EXPECT_EQ(form.Rows().front().entry, 105);
}

TEST_F(MoietiesFormTest, RefillingFindsTheSelectedEntryAgainAfterSorting)
{
    table.AddEntry("Cit", "C_6H_5O_7", "", 189.0997, 4);
    MoietiesForm form = Open();
    form.SelectEntry(104);
    form.SortBy(Column::Formula);
    form.TypeSymbol("Cit2");
    EXPECT_EQ(form.Add(), "");
    EXPECT_EQ(form.Selected(), 104);
    // "formula" sorts without regard to case: the elements' empty compositions first.
    EXPECT_EQ(form.Rows().back().cells[3], "C_6H_5O_7");
}

} // namespace
} // namespace solvo
