#include "quantities/CEditableDouble.h"
#include "quantities/FieldTransfer.h"

#include <gtest/gtest.h>

#include <limits>
#include <string_view>

namespace solvo {
namespace {

TEST(CEditableDouble, ComparesByValueAndDividesKeepingDigits)
{
    const CEditableDouble empty;
    EXPECT_EQ(empty.Digits(), 0);
    EXPECT_TRUE(empty == 0.0);

    const CEditableDouble weighed(2.50, 3);
    EXPECT_TRUE(weighed == 2.5);
    EXPECT_TRUE(weighed != 2.4);
    EXPECT_TRUE(CEditableDouble(2.5, 7) == 2.5);

    const CEditableDouble half = weighed / 2.0;
    EXPECT_EQ(half.Value(), 1.25);
    EXPECT_EQ(half.Digits(), 3);
}

TEST(FieldTransfer, ShowsByDigitsOrByTheDisplaySetting)
{
    EXPECT_EQ(FieldText(2.5, 4), "2.5");
    EXPECT_EQ(FieldText(CEditableDouble(2.5, -1), 4), "");
    EXPECT_EQ(FieldText(CEditableDouble(2.5, 3), 4), "2.50");

    // Digits 0 follow the display setting; digits 3 do not.
    const CEditableDouble byDisplay(1.23456789);
    const CEditableDouble typed(1.23456789, 3);
    EXPECT_EQ(FieldText(byDisplay, 4), "1.2346");
    EXPECT_EQ(FieldText(byDisplay, 6), "1.234568");
    EXPECT_EQ(FieldText(typed, 4), "1.23");
    EXPECT_EQ(FieldText(typed, 6), "1.23");
}

TEST(FieldTransfer, TakesNumbersWithTheirTypedDigits)
{
    const TakenNumber<double> plain = TakeDouble(" 1,5 ");
    ASSERT_TRUE(plain.number);
    EXPECT_EQ(*plain.number, 1.5);
    EXPECT_TRUE(plain.message.empty());

    const TakenNumber<CEditableDouble> typed = TakeEditableDouble("2,50");
    ASSERT_TRUE(typed.number);
    EXPECT_EQ(typed.number->Value(), 2.5);
    EXPECT_EQ(typed.number->Digits(), 3);
    EXPECT_EQ(FieldText(*typed.number, 4), "2.50");

    const TakenNumber<CEditableDouble> exponent = TakeEditableDouble("1e");
    ASSERT_TRUE(exponent.number);
    EXPECT_EQ(exponent.number->Digits(), 1);
    EXPECT_EQ(FieldText(*exponent.number, 4), "1");

    const TakenNumber<CEditableDouble> minus = TakeEditableDouble("-");
    ASSERT_TRUE(minus.number);
    EXPECT_EQ(minus.number->Digits(), 0);
    EXPECT_EQ(FieldText(*minus.number, 4), "0");

    const TakenNumber<CEditableDouble> tenth = TakeEditableDouble("0.10");
    ASSERT_TRUE(tenth.number);
    EXPECT_EQ(FieldText(*tenth.number, 4), "0.10");
}

TEST(FieldTransfer, TextThatIsNotANumberGivesTheMessage)
{
    const TakenNumber<double> plain = TakeDouble("12abc");
    EXPECT_FALSE(plain.number);
    EXPECT_EQ(plain.message, "Enter a number.");
    const TakenNumber<CEditableDouble> editable = TakeEditableDouble("-0 ");
    EXPECT_FALSE(editable.number);
    EXPECT_EQ(editable.message, "Enter a number.");
}

// "???" is what a value that is not finite shows: unknown, so not 0.
TEST(FieldTransfer, QuestionMarksAreNoNumber)
{
    for (const std::string_view text : {"???", " \t???"}) {
        EXPECT_TRUE(ShowsNotFinite(text)) << text;
        EXPECT_EQ(TakeDouble(text).message, "Enter a number.") << text;
        EXPECT_FALSE(TakeEditableDouble(text).number) << text;
    }
    for (const std::string_view text : {"", "0", "??", "???0"})
        EXPECT_FALSE(ShowsNotFinite(text)) << text;
    EXPECT_EQ(FieldText(std::numeric_limits<double>::infinity(), 4), "???");
}

} // namespace
} // namespace solvo
