#include <gtest/gtest.h>

#include "game/numbers.h"

namespace pairon {
namespace {

TEST(NumbersAsText, ReadBackTakesTheLeadingNumber) {
    EXPECT_EQ(WholeValue(""), 0);
    EXPECT_EQ(WholeValue("Turn"), 0);
    EXPECT_EQ(WholeValue("23"), 23);
    EXPECT_EQ(WholeValue("12 turns"), 12);
    EXPECT_EQ(WholeValue(" 7"), 7);
    EXPECT_EQ(WholeValue("2.6"), 3);
    EXPECT_DOUBLE_EQ(NumericValue("-4x"), -4.0);
}

TEST(NumbersAsText, WrittenAsPlainDigits) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(9), "9");
    EXPECT_EQ(DecimalText(10), "10");
}

}  // namespace
}  // namespace pairon
