#include "substances/SubstanceFilter.h"

#include "formula/ElementTable.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace solvo {
namespace {

class SubstanceFilterTest : public ::testing::Test {
protected:
    SubstanceFilterTest()
    {
        elements.LoadDefaults();
        defaults.LoadDefaultSubstances(elements);
    }

    static std::vector<std::string> Texts(const std::vector<SubstanceListRow>& rows)
    {
        std::vector<std::string> texts;
        for (const SubstanceListRow& row : rows)
            texts.push_back(row.text);
        return texts;
    }

    std::vector<std::string> Listed(std::string_view filter, FilterField field) const
    {
        return Texts(SubstanceFilter(filter, field).List(defaults));
    }

    ElementTable elements;
    SolvoSubstanceDatabase defaults;
};

TEST_F(SubstanceFilterTest, FiltersTheBuiltInSubstancesByNameOrFormula)
{
    const std::vector<std::string> sodium = {"sodium chloride", "sodium hydroxide",
                                             "sodium tetraborate - standard"};
    EXPECT_EQ(Listed("sodium", FilterField::Name), sodium);
    EXPECT_EQ(Listed("(S)\\iodium", FilterField::Name), sodium);
    EXPECT_TRUE(Listed("Sodium", FilterField::Name).empty());
    EXPECT_EQ(Listed("Cl", FilterField::Formula),
              (std::vector<std::string>{"HCl", "MgCl2", "NaCl"}));
    EXPECT_TRUE(Listed("Cl", FilterField::Name).empty());
}

TEST_F(SubstanceFilterTest, DotOrNothingListsAllSortedWithoutRegardToCase)
{
    const std::vector<std::string> all = {"acetic acid",
                                          "ethanol",
                                          "hydrochloric acid",
                                          "magnesium chloride",
                                          "potassium dihydrogen phosphate",
                                          "sodium chloride",
                                          "sodium hydroxide",
                                          "sodium tetraborate - standard",
                                          "sulfuric acid",
                                          "TRIS"};
    EXPECT_EQ(Listed(".", FilterField::Name), all);
    EXPECT_EQ(Listed("", FilterField::Name), all);
    const std::vector<SubstanceListRow> rows =
        SubstanceFilter(".", FilterField::Name).List(defaults);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows.front().index, 1);
    EXPECT_EQ(rows.back().index, 3);
}

TEST_F(SubstanceFilterTest, ListsEmptyTextsAndKeepsDatabaseOrderForEqualTexts)
{
    SolvoSubstanceDatabase database;
    for (const char* name : {"b", "", "B", "a", "b"}) {
        SolvoSubstance substance;
        substance.SetName(name);
        database.AddSubstance(substance);
    }
    const std::vector<SubstanceListRow> rows =
        SubstanceFilter("", FilterField::Name).List(database);
    std::vector<std::int32_t> indexes;
    for (const SubstanceListRow& row : rows)
        indexes.push_back(row.index);
    EXPECT_EQ(indexes, (std::vector<std::int32_t>{1, 3, 0, 2, 4}));
    EXPECT_EQ(SubstanceFilter(".", FilterField::Name).List(database).size(), 5u);
    EXPECT_EQ(SubstanceFilter("..", FilterField::Name).List(database).size(), 0u);
    EXPECT_EQ(SubstanceFilter("x?", FilterField::Name).List(database).size(), 5u);
}

TEST_F(SubstanceFilterTest, APatternThatDoesNotCompileListsNothing)
{
    for (const char* filter : {"[a", "(sodium", "sodium)", "$name", "*"}) {
        const SubstanceFilter filterObject(filter, FilterField::Name);
        ASSERT_TRUE(filterObject.Error()) << filter;
        EXPECT_TRUE(filterObject.List(defaults).empty()) << filter;
    }
    EXPECT_FALSE(SubstanceFilter(".", FilterField::Name).Error());
}

} // namespace
} // namespace solvo
