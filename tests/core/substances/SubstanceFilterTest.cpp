#include "substances/SubstanceFilter.h"

#include "formula/ElementTable.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
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
            texts.emplace_back(row.text);
        return texts;
    }

    static std::vector<std::string> Listed(const SolvoSubstanceDatabase& database,
                                           std::string_view filter, FilterField field)
    {
        return Texts(SubstanceFilter(filter).List(SubstanceOrder(database, field)));
    }

    std::vector<std::string> Listed(std::string_view filter, FilterField field) const
    {
        return Listed(defaults, filter, field);
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
    const SubstanceOrder order(defaults, FilterField::Name);
    const std::vector<SubstanceListRow> rows = SubstanceFilter(".").List(order);
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
    const SubstanceOrder order(database, FilterField::Name);
    std::vector<std::int32_t> indexes;
    for (const SubstanceListRow& row : SubstanceFilter("").List(order))
        indexes.push_back(row.index);
    EXPECT_EQ(indexes, (std::vector<std::int32_t>{1, 3, 0, 2, 4}));
    EXPECT_EQ(SubstanceFilter(".").List(order).size(), 5u);
    EXPECT_EQ(SubstanceFilter("..").List(order).size(), 0u);
    EXPECT_EQ(SubstanceFilter("x?").List(order).size(), 5u);
}

// The dialog sorts once and filters many times; any change to the database
// must make it sort again, or the list would show what is no longer there.
TEST_F(SubstanceFilterTest, AnOrderFitsOnlyTheDatabaseAsItWasAndItsField)
{
    SolvoSubstanceDatabase database;
    EXPECT_TRUE(SubstanceOrder().Fits(database, FilterField::Name));
    SolvoSubstance substance;
    substance.SetName("b");
    database.AddSubstance(substance);
    SubstanceOrder order(database, FilterField::Name);
    EXPECT_TRUE(order.Fits(database, FilterField::Name));
    EXPECT_FALSE(order.Fits(database, FilterField::Formula));
    EXPECT_FALSE(order.Fits(defaults, FilterField::Name));

    const std::function<void()> changes[] = {
        [&] { database.AddSubstance(substance); },
        [&] { substance.SetName("a"); database.ReplaceSubstance(1, substance); },
        [&] { database.DeleteSubstance(0); },
        [&] { database.Clear(); },
    };
    for (const auto& change : changes) {
        change();
        EXPECT_FALSE(order.Fits(database, FilterField::Name));
        order = SubstanceOrder(database, FilterField::Name);
        EXPECT_TRUE(order.Fits(database, FilterField::Name));
    }
    EXPECT_EQ(order.Size(), 0u);
}

TEST_F(SubstanceFilterTest, APatternThatDoesNotCompileListsNothing)
{
    for (const char* filter : {"[a", "(sodium", "sodium)", "$name", "*"}) {
        const SubstanceFilter filterObject(filter);
        ASSERT_TRUE(filterObject.Error()) << filter;
        EXPECT_TRUE(filterObject.List(SubstanceOrder(defaults, FilterField::Name)).empty()) << filter;
    }
    EXPECT_FALSE(SubstanceFilter(".").Error());
}

// Listed a slice at a time, each cut short at once, a filter lists what it
// lists whole, and every slice gets on.
TEST_F(SubstanceFilterTest, ListsTheSameInSlicesAsWhole)
{
    SolvoSubstanceDatabase& database = defaults;
    SolvoSubstance substance = defaults.GetSubstance(0);
    for (int i = 0; i < 1000; ++i) {
        substance.SetName((i % 3 == 0 ? "aaaa " : "salt ") + std::to_string(i * 7919 % 1009));
        database.AddSubstance(substance);
    }
    const SubstanceOrder order(database, FilterField::Name);
    for (const char* filter : {".", "", "aa", "((a|aa)+)+(a|a?)+c", "7$", "[a", "nothing at all"}) {
        const SubstanceFilter whole(filter);
        const std::vector<SubstanceListRow> expected = whole.List(order);
        std::vector<SubstanceListRow> rows;
        std::size_t position = 0;
        std::size_t slices = 0;
        while (position < order.Size()) {
            const std::size_t next = SubstanceFilter(filter).ListFrom(
                order, position, rows, std::chrono::steady_clock::time_point::min());
            ASSERT_GT(next, position) << filter;
            position = next;
            ++slices;
        }
        EXPECT_EQ(Texts(rows), Texts(expected)) << filter;
        EXPECT_GT(slices, whole.Error() ? 0U : 10U) << filter;
    }
}

} // namespace
} // namespace solvo
