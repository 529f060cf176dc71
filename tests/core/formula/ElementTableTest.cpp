#include "formula/ElementTable.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace solvo {
namespace {

class ElementTableTest : public ::testing::Test {
protected:
    ElementTableTest() { table.LoadDefaults(); }
    ElementTable table;
};

TEST_F(ElementTableTest, BuiltInEntries)
{
    EXPECT_EQ(table.Count(), 104);
    EXPECT_FALSE(table.IsModified());
    EXPECT_EQ(table.FindSymbol("e"), 0);
    EXPECT_EQ(table.FindSymbol("H"), 1);
    EXPECT_EQ(table.FindSymbol("Lr"), 103);
    EXPECT_EQ(table.FindSymbol("h"), -1);
    const struct {
        const char* symbol;
        double mass;
        int decimals;
    } rows[] = {
        {"e", 0.0, 1},         {"H", 1.00794, 5},     {"C", 12.0107, 4},
        {"Mg", 24.3050, 4},    {"Pm", 145.0, 0},      {"Dy", 162.5, 3},
        {"Po", 209.0, 0},      {"Ac", 227.0, 0},      {"Am", 239.0522, 4},
        {"Cs", 132.9054519, 7}, {"Lr", 262.110, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.symbol);
        const Element& entry = table.Entry(table.FindSymbol(row.symbol));
        EXPECT_EQ(entry.molarMass, row.mass);
        EXPECT_EQ(entry.decimals, row.decimals);
        EXPECT_EQ(entry.composition, "");
        EXPECT_EQ(entry.comment, "");
    }
    EXPECT_EQ(table.Entry(table.FindSymbol("Am")).molarMass,
              table.Entry(table.FindSymbol("Pu")).molarMass);
    EXPECT_THROW(table.Entry(104), std::out_of_range);
    EXPECT_THROW(table.Entry(-1), std::out_of_range);
}

TEST_F(ElementTableTest, LongestSymbolWins)
{
    const struct {
        const char* text;
        int index;
        int length;
    } cases[] = {
        {"CoCl_2", 27, 2}, {"CO", 6, 1}, {"Cl", 17, 2}, {"O", 8, 1},
        {"e", 0, 1},       {"xyz", -1, 1}, {"", -1, 1}, {"aq", -1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const SymbolMatch match = table.MatchLongestSymbol(c.text);
        EXPECT_EQ(match.index, c.index);
        EXPECT_EQ(match.length, c.length);
    }
}

TEST_F(ElementTableTest, AddModifyDeleteKeepIndexesAndLeftoverSlots)
{
    EXPECT_EQ(table.AddEntry("H", "", "", 1.0, 0), -1);
    EXPECT_FALSE(table.IsModified());

    EXPECT_EQ(table.AddEntry("Cit", "C_6H_5O_7", "citrate", 189.1, 1), 104);
    EXPECT_TRUE(table.IsModified());
    EXPECT_EQ(table.AddEntry("Tris", "", "", 121.14, 2), 105);

    EXPECT_EQ(table.ModifyEntry(104, "Cit2", "C_6H_5O_7", "", 189.1, 1), 104);
    EXPECT_EQ(table.FindSymbol("Cit"), -1);
    EXPECT_EQ(table.FindSymbol("Cit2"), 104);
    EXPECT_EQ(table.ModifyEntry(104, "Cit2", "", "kept symbol", 189.0, 0), 104);
    EXPECT_EQ(table.ModifyEntry(104, "Tris", "", "", 1.0, 0), -1);
    EXPECT_EQ(table.Entry(104).comment, "kept symbol");
    EXPECT_EQ(table.ModifyEntry(106, "New", "", "", 1.0, 0), -1);

    table.DeleteEntry(104);
    EXPECT_EQ(table.Count(), 105);
    EXPECT_EQ(table.Entry(104).symbol, "Tris");
    EXPECT_EQ(table.FindSymbol("Tris"), 104);
    EXPECT_EQ(table.FindSymbol("Cit2"), -1);
    ASSERT_EQ(table.Slots().size(), 106u);
    EXPECT_EQ(table.Slots()[105].symbol, "Tris"); // the stale copy stays for the file

    EXPECT_EQ(table.AddEntry("Hep", "", "", 238.3, 1), 105);
    EXPECT_EQ(table.Slots().size(), 106u);
    EXPECT_EQ(table.Entry(105).symbol, "Hep");

    table.DeleteEntry(500);
    EXPECT_EQ(table.Count(), 106);
}

TEST_F(ElementTableTest, SameEntriesIgnoreLeftoverSlots)
{
    ElementTable copy = table;
    EXPECT_TRUE(copy.SameEntries(table));
    copy.AddEntry("Cit", "C_6H_5O_7", "", 189.0997, 4);
    EXPECT_FALSE(copy.SameEntries(table));
    EXPECT_FALSE(table.SameEntries(copy));

    ElementTable changed = copy;
    changed.ModifyEntry(104, "Cit", "C_6H_5O_7", "", 200.0, 1);
    EXPECT_FALSE(changed.SameEntries(copy));

    // The deleted moiety's stale slot is no entry in use.
    copy.DeleteEntry(104);
    EXPECT_EQ(copy.Slots().size(), 105u);
    EXPECT_TRUE(copy.SameEntries(table));
}

// The indexed symbol match must give exactly what a scan of the whole table
// in index order gives, however the table was edited.
TEST_F(ElementTableTest, IndexedMatchEqualsFullScan)
{
    const auto scan = [&](std::string_view text) {
        SymbolMatch best;
        std::int32_t bestLength = 0;
        for (std::int32_t i = 0; i < table.Count(); ++i) {
            const std::string& symbol = table.Entry(i).symbol;
            const auto length = static_cast<std::int32_t>(symbol.size());
            if (length > bestLength && text.starts_with(symbol)) {
                bestLength = length;
                best = {i, length};
            }
        }
        return best;
    };
    std::mt19937 random(7);
    const std::string alphabet = "CHONaClSeFrxyz";
    const auto randomText = [&](std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        return text;
    };
    for (int round = 0; round < 300; ++round) {
        const int action = static_cast<int>(random() % 3);
        if (action == 0 || table.Count() <= 104) {
            table.AddEntry(randomText(1 + random() % 11), "", "", 10.0, 1);
        } else if (action == 1) {
            table.DeleteEntry(104 + static_cast<std::int32_t>(random() % (table.Count() - 104)));
        } else {
            table.ModifyEntry(104 + static_cast<std::int32_t>(random() % (table.Count() - 104)),
                              randomText(1 + random() % 11), "", "", 1.0, 0);
        }
        for (int probe = 0; probe < 20; ++probe) {
            const std::string text = randomText(random() % 13);
            const SymbolMatch indexed = table.MatchLongestSymbol(text);
            const SymbolMatch scanned = scan(text);
            ASSERT_EQ(indexed.index, scanned.index) << text;
            ASSERT_EQ(indexed.length, scanned.length) << text;
        }
    }
}

} // namespace
} // namespace solvo
