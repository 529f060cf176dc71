#include "substances/UnsolvedFormulasForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace solvo {
namespace {

const std::vector<std::string> kMagnesiumChloride = {"MgCl_2&2H_2O", "MgCl_2&4H_2O", "MgCl_2&6H_2O",
                                                     "MgCl_2&8H_2O", "MgCl_2&12H_2O"};

std::int32_t PositionOf(const UnsolvedFormulasForm& form, const std::string& text)
{
    const auto& items = form.Items();
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<std::int32_t>(found - items.begin());
}

TEST(UnsolvedFormulasFormTest, OpensWithTheListSortedAndNothingToDo)
{
    const UnsolvedFormulasForm form({"b", "A", "a", "C"});
    EXPECT_EQ(form.Items(), (std::vector<std::string>{"A", "a", "b", "C"}));
    EXPECT_EQ(form.WorkingList(), (std::vector<std::string>{"b", "A", "a", "C"}));
    EXPECT_EQ(form.Selection(), -1);
    EXPECT_EQ(form.EditText(), "");
    EXPECT_FALSE(form.AddEnabled());
    EXPECT_FALSE(form.DeleteEnabled());
    EXPECT_FALSE(form.ModifyEnabled());
    EXPECT_FALSE(form.Modified());
}

TEST(UnsolvedFormulasFormTest, AddIsOfferedOnlyForATextNotListedInAnyCase)
{
    struct Case {
        std::string text;
        bool add;
    };
    for (const Case& c : std::vector<Case>{{"MgCl_2&6H_2O", false},
                                           {"mgcl_2&6h_2o", false},
                                           {"MgCl_2&7H_2O", true},
                                           {"", true}}) {
        UnsolvedFormulasForm form(kMagnesiumChloride);
        form.Type(c.text);
        EXPECT_EQ(form.AddEnabled(), c.add) << c.text;
        EXPECT_TRUE(form.Modified());
    }
}

TEST(UnsolvedFormulasFormTest, AddAppendsAndRefusesAnEqualText)
{
    UnsolvedFormulasForm form(kMagnesiumChloride);
    form.Type("MgCl_2&3H_2O");
    EXPECT_EQ(form.Add(), std::nullopt);
    EXPECT_EQ(form.WorkingList().back(), "MgCl_2&3H_2O");
    EXPECT_EQ(form.Selection(), PositionOf(form, "MgCl_2&3H_2O"));
    EXPECT_EQ(form.Items()[2], "MgCl_2&3H_2O"); // sorted after "MgCl_2&2H_2O" and "MgCl_2&12H_2O"
    EXPECT_FALSE(form.AddEnabled());
    EXPECT_FALSE(form.ModifyEnabled());

    // "Add" stayed enabled from typing while an entry was then selected.
    form.Type("x");
    form.Select(PositionOf(form, "MgCl_2&4H_2O"));
    ASSERT_TRUE(form.AddEnabled());
    EXPECT_EQ(form.Add(), kFormulaAlreadyUsedMessage);
    EXPECT_EQ(form.WorkingList().size(), 6u);
}

TEST(UnsolvedFormulasFormTest, DeleteRemovesTheSelectedEntry)
{
    UnsolvedFormulasForm form(kMagnesiumChloride);
    form.PressDeleteKey();
    EXPECT_EQ(form.WorkingList().size(), 5u);
    EXPECT_FALSE(form.Modified());

    form.Select(PositionOf(form, "MgCl_2&6H_2O"));
    EXPECT_EQ(form.EditText(), "MgCl_2&6H_2O");
    EXPECT_TRUE(form.DeleteEnabled());
    form.PressDeleteKey();
    EXPECT_EQ(form.WorkingList(),
              (std::vector<std::string>{"MgCl_2&2H_2O", "MgCl_2&4H_2O", "MgCl_2&8H_2O", "MgCl_2&12H_2O"}));
    EXPECT_EQ(PositionOf(form, "MgCl_2&6H_2O"), -1);
    EXPECT_FALSE(form.DeleteEnabled());
    EXPECT_TRUE(form.Modified());
}

TEST(UnsolvedFormulasFormTest, ModifyReplacesTheSelectedEntryWithoutCheckingForDuplicates)
{
    UnsolvedFormulasForm form(kMagnesiumChloride);
    form.Select(PositionOf(form, "MgCl_2&2H_2O"));
    form.Type("MgCl_2&2H_2O");
    EXPECT_FALSE(form.ModifyEnabled());
    form.Type("MgCl_2&6H_2O");
    EXPECT_TRUE(form.ModifyEnabled());
    form.Modify();
    EXPECT_EQ(form.WorkingList(), (std::vector<std::string>{"MgCl_2&4H_2O", "MgCl_2&6H_2O", "MgCl_2&8H_2O",
                                                            "MgCl_2&12H_2O", "MgCl_2&6H_2O"}));
    EXPECT_EQ(form.Items()[static_cast<std::size_t>(form.Selection())], "MgCl_2&6H_2O");
    EXPECT_FALSE(form.ModifyEnabled());

    UnsolvedFormulasForm unselected({"A"});
    unselected.Type("B");
    unselected.Modify();
    EXPECT_EQ(unselected.WorkingList(), (std::vector<std::string>{"A", "B"}));
}

TEST(UnsolvedFormulasFormTest, TypingAndUndoingItStillCountsAsAChange)
{
    UnsolvedFormulasForm form(kMagnesiumChloride);
    form.Type("M");
    form.Type("");
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(form.WorkingList(), kMagnesiumChloride);
}

} // namespace
} // namespace solvo
