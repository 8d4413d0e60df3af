// The single-precision values and their seven-digit text.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "strategy/single.h"

namespace zelvo {
namespace {

TEST(Single, SevenSignificantDigitsAndNoNegativeZero) {
    const std::pair<float, const char*> cases[] = {
        {0.0f, "0"},           {-0.0f, "0"},         {-4.0f, "-4"},          {0.5f, "0.5"},
        {1.0f / 3.0f, "0.3333333"}, {-7.0f / 37.0f, "-0.1891892"}, {538.0f / 39.0f, "13.79487"},
        {123456789.0f, "1.234568e+08"}, {0.00001f, "1e-05"}, {std::bit_cast<float>(0x40883483u), "4.25641"}};
    for (auto [value, text] : cases) EXPECT_EQ(singleText(value), text) << value;
}

TEST(Single, TheValueIsTheTextReadBackEqualMeansTheSameTextAndCaptionsReadBack) {
    const Single third = Single::of(1.0f / 3.0f);
    EXPECT_EQ(third.value(), 0.3333333f);
    // Two raw floats that differ below the seventh digit tie once stored.
    EXPECT_TRUE(Single::of(1.0f) == Single::of(std::nextafter(1.0f, 2.0f)));
    EXPECT_FALSE(Single::of(0.5f) == Single::of(0.25f));
    EXPECT_TRUE(Single::of(-0.0f) == Single::of(0.0f));
    EXPECT_FALSE(Single() == Single::of(0.0f));  // the empty caption ties only with itself
    // Reading a caption.
    EXPECT_EQ(Single::fromText("2.5").value(), 2.5f);
    EXPECT_EQ(Single::fromText("-0").text(), "0");
    for (const char* bad : {"", "abc", "1.5x", "inf"}) EXPECT_TRUE(Single::fromText(bad).empty()) << bad;
}

}  // namespace
}  // namespace zelvo
