#include "app/MemorySettingsStore.h"
#include "app/TipSequence.h"
#include "app/TipTexts.h"

#include <gtest/gtest.h>

#include <deque>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace solvo {
namespace {

// Keeps the settings in memory and lists every write, so that a test can
// tell when each value was written.
class RecordingStore final : public SettingsStore {
public:
    std::int32_t ReadInt(std::string_view section, std::string_view key,
                         std::int32_t defaultValue) const override
    {
        return values_.ReadInt(section, key, defaultValue);
    }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override
    {
        return values_.ReadString(section, key, defaultValue);
    }
    void WriteInt(std::string_view section, std::string_view key, std::int32_t value) override
    {
        writes.push_back(std::string(key) + "=" + std::to_string(value));
        values_.WriteInt(section, key, value);
    }
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override
    {
        writes.push_back(std::string(key) + "=" + std::string(value));
        values_.WriteString(section, key, value);
    }
    FilePath ReadPath(std::string_view section, std::string_view key) const override
    {
        return values_.ReadPath(section, key);
    }
    void WritePath(std::string_view section, std::string_view key, const FilePath& path) override
    {
        writes.push_back(std::string(key) + "=" + path.Utf8());
        values_.WritePath(section, key, path);
    }

    std::vector<std::string> writes;

private:
    MemorySettingsStore values_;
};

// Stored values that need no replacing must never reach for a random number.
TipSequence::Random NoRandom()
{
    return [] {
        ADD_FAILURE() << "a random number was drawn";
        return std::uint32_t{0};
    };
}

TipSequence::Random Numbers(std::deque<std::uint32_t> numbers)
{
    return [numbers]() mutable {
        if (numbers.empty()) {
            ADD_FAILURE() << "more random numbers were drawn than expected";
            return std::uint32_t{1};
        }
        const std::uint32_t next = numbers.front();
        numbers.pop_front();
        return next;
    };
}

// The tips shown by this many openings of the dialog, each closed at once.
std::vector<std::int32_t> ShownByOpenings(ProgramSettings& settings, std::int32_t count,
                                          int openings, const TipSequence::Random& random)
{
    std::vector<std::int32_t> shown;
    for (int i = 0; i < openings; ++i) {
        TipSequence tips(settings, count, random);
        shown.push_back(tips.Shown());
        tips.OnScreen();
    }
    return shown;
}

TEST(TipSequence, OpeningsWalkTheTipsByTheIncrement)
{
    MemorySettingsStore store;
    ProgramSettings settings(store);
    settings.SetCurrentTip(4);
    settings.SetTipIncrement(3);
    EXPECT_EQ(ShownByOpenings(settings, 11, 12, NoRandom()),
              (std::vector<std::int32_t>{4, 7, 10, 2, 5, 8, 0, 3, 6, 9, 1, 4}));
    EXPECT_EQ(settings.TipIncrement(), 3);
}

TEST(TipSequence, EveryCycleOfOpeningsShowsEachTipOnce)
{
    for (const std::int32_t count : {1, 2, 11, 12}) {
        for (std::int32_t increment = 1; increment <= count; ++increment) {
            if (std::gcd(count, increment) != 1)
                continue;
            for (std::int32_t start = 0; start < count; ++start) {
                MemorySettingsStore store;
                ProgramSettings settings(store);
                settings.SetCurrentTip(start);
                settings.SetTipIncrement(increment);
                const auto shown = ShownByOpenings(settings, count, count, NoRandom());
                EXPECT_EQ(std::set<std::int32_t>(shown.begin(), shown.end()).size(),
                          static_cast<std::size_t>(count))
                    << "N " << count << ", increment " << increment << ", start " << start;
                EXPECT_EQ(settings.CurrentTip(), start);
            }
        }
    }
}

TEST(TipSequence, NextTipGoesOnInTheSameOrderAsTheOpenings)
{
    MemorySettingsStore store;
    ProgramSettings settings(store);
    settings.SetCurrentTip(4);
    settings.SetTipIncrement(3);
    TipSequence tips(settings, 11, NoRandom());
    tips.OnScreen();
    std::vector<std::int32_t> shown{tips.Shown()};
    for (int press = 0; press < 11; ++press) {
        tips.Next();
        shown.push_back(tips.Shown());
        // Whatever was last shown, the next opening shows the tip after it.
        EXPECT_EQ(settings.CurrentTip(), (tips.Shown() + 3) % 11);
    }
    EXPECT_EQ(shown, (std::vector<std::int32_t>{4, 7, 10, 2, 5, 8, 0, 3, 6, 9, 1, 4}));
    EXPECT_EQ(ShownByOpenings(settings, 11, 1, NoRandom()), std::vector<std::int32_t>{7});
}

TEST(TipSequence, StoredValuesThatDoNotFitAreReplacedAtRandom)
{
    // N = 12; the numbers drawn are 27 for the start (27 mod 12 = 3), then
    // 9 (9 mod 11 + 1 = 10, which shares 2 with 12) and 4 (4 mod 11 + 1 = 5).
    const struct {
        std::int32_t current;
        std::int32_t increment;
    } cases[] = {
        {-1, -1},                                   // never stored
        {4, 0},  {4, -5}, {4, 4}, {4, 12}, {4, 9}, // the increment
        {-1, 5}, {12, 5}, {1000, 5},               // the current tip
    };
    for (const auto& c : cases) {
        RecordingStore store;
        ProgramSettings settings(store);
        settings.SetCurrentTip(c.current);
        settings.SetTipIncrement(c.increment);
        store.writes.clear();

        TipSequence tips(settings, 12, Numbers({27, 9, 4}));
        EXPECT_EQ(tips.Shown(), 3) << c.current << ", " << c.increment;
        EXPECT_EQ(tips.Increment(), 5) << c.current << ", " << c.increment;
        EXPECT_EQ(store.writes, std::vector<std::string>{"TipIncrement=5"});
        tips.OnScreen();
        EXPECT_EQ(settings.CurrentTip(), 8);
    }
}

TEST(TipSequence, ASingleTipNeedsNoIncrementToDraw)
{
    MemorySettingsStore store;
    ProgramSettings settings(store);
    TipSequence tips(settings, 1, Numbers({7}));
    EXPECT_EQ(tips.Shown(), 0);
    EXPECT_EQ(tips.Increment(), 1);
    tips.Next();
    EXPECT_EQ(tips.Shown(), 0);
}

TEST(TipSequence, AHugeStoredIncrementStepsWithoutOverflow)
{
    MemorySettingsStore store;
    ProgramSettings settings(store);
    settings.SetCurrentTip(10);
    settings.SetTipIncrement(2147483647); // 2^31 − 1 is prime, so it fits any N below it
    TipSequence tips(settings, 11, NoRandom());
    tips.Next();
    EXPECT_EQ(tips.Shown(), static_cast<std::int32_t>((10 + 2147483647LL) % 11));
}

TEST(TipSequence, WritesEachValueOnlyAtItsMoment)
{
    RecordingStore store;
    ProgramSettings settings(store);
    TipSequence tips(settings, 11, Numbers({15, 2}));
    EXPECT_TRUE(tips.ShowAtStartup());
    EXPECT_EQ(tips.Shown(), 4);
    EXPECT_EQ(store.writes, std::vector<std::string>{"TipIncrement=3"});

    tips.OnScreen();
    tips.OnScreen(); // painted again: nothing more is stored
    EXPECT_EQ(store.writes, (std::vector<std::string>{"TipIncrement=3", "CurrentTip=7"}));

    tips.Next();
    tips.SetShowAtStartup(false);
    tips.SetShowAtStartup(true);
    EXPECT_EQ(store.writes,
              (std::vector<std::string>{"TipIncrement=3", "CurrentTip=7", "CurrentTip=10",
                                        "ShowTipOfTheDay=0", "ShowTipOfTheDay=1"}));

    store.writes.clear();
    settings.SetShowTipOfTheDay(0);
    EXPECT_FALSE(TipSequence(settings, 11, NoRandom()).ShowAtStartup());
    settings.SetShowTipOfTheDay(-2);
    EXPECT_TRUE(TipSequence(settings, 11, NoRandom()).ShowAtStartup());
    EXPECT_EQ(store.writes, (std::vector<std::string>{"ShowTipOfTheDay=0", "ShowTipOfTheDay=-2"}));
}

TEST(TipTexts, ElevenTipsShownWithSinglePercentSigns)
{
    const auto& tips = TipTexts();
    ASSERT_EQ(tips.size(), 11u);
    EXPECT_EQ(tips[0], "To switch Tip of the Day back on, select Help/Tip of the day from the "
                       "menu, and  check 'Show tips at startup'.");
    EXPECT_EQ(tips[10],
              "In recipes, when dealing with solutions containing more than one dissolved "
              "substance, program calculates amount of each substance as if other substances "
              "were not present, thus %w/w and %w/v concentrations (that depend on the real "
              "density of the final solution) can be of.");
    for (const auto& tip : tips)
        EXPECT_EQ(tip.find("%%"), std::string::npos) << tip;
}

TEST(TipSequence, TimeSeededNumbersVary)
{
    auto random = TipSequence::TimeSeeded();
    std::set<std::uint32_t> numbers;
    for (int i = 0; i < 8; ++i)
        numbers.insert(random());
    EXPECT_GT(numbers.size(), 1u);
}

} // namespace
} // namespace solvo
