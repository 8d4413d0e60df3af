// The single-precision values and their seven-digit text.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "strategy/singola.h"

namespace zelvo {
namespace {

struct CasoTesto {
    float valore;
    const char* testo;
};

class TestoSingola : public ::testing::TestWithParam<CasoTesto> {};

TEST_P(TestoSingola, SevenSignificantDigits) {
    EXPECT_EQ(testoSingola(GetParam().valore), GetParam().testo);
}

INSTANTIATE_TEST_SUITE_P(
    Valori, TestoSingola,
    ::testing::Values(CasoTesto{0.0f, "0"}, CasoTesto{-0.0f, "0"}, CasoTesto{1.0f, "1"}, CasoTesto{-4.0f, "-4"},
                      CasoTesto{12.0f, "12"}, CasoTesto{0.5f, "0.5"}, CasoTesto{1.0f / 3.0f, "0.3333333"},
                      CasoTesto{-7.0f / 37.0f, "-0.1891892"}, CasoTesto{538.0f / 39.0f, "13.79487"},
                      CasoTesto{2.323f, "2.323"}, CasoTesto{123456789.0f, "1.234568e+08"},
                      CasoTesto{0.00001f, "1e-05"},
                      // The trump constants by their bit patterns.
                      CasoTesto{std::bit_cast<float>(0x415CB7CCu), "13.79487"},
                      CasoTesto{std::bit_cast<float>(0x413BE5BFu), "11.74359"},
                      CasoTesto{std::bit_cast<float>(0x40AF96F8u), "5.487179"},
                      CasoTesto{std::bit_cast<float>(0x40883483u), "4.25641"},
                      CasoTesto{std::bit_cast<float>(0x404B7CB7u), "3.179487"},
                      CasoTesto{std::bit_cast<float>(0x3FC4EC53u), "1.538462"}));

TEST(Singola, ValueIsTheTextReadBack) {
    // 1/3 stored keeps seven digits: the read-back differs from the raw quotient.
    const Singola s = Singola::da(1.0f / 3.0f);
    EXPECT_EQ(s.valore(), 0.3333333f);
    EXPECT_NE(s.valore(), 1.0f / 3.0f);
    // Storing a stored value changes nothing.
    EXPECT_EQ(Singola::da(s.valore()).testo(), s.testo());
}

TEST(Singola, EqualMeansSameText) {
    // Two raw floats that differ below the seventh digit tie once stored.
    const float a = 1.0f, b = std::nextafter(a, 2.0f);
    ASSERT_NE(a, b);
    EXPECT_TRUE(Singola::da(a) == Singola::da(b));
    EXPECT_FALSE(Singola::da(0.5f) == Singola::da(0.25f));
    // Negative zero and zero tie.
    EXPECT_TRUE(Singola::da(-0.0f) == Singola::da(0.0f));
    // The empty caption ties only with itself.
    EXPECT_TRUE(Singola() == Singola());
    EXPECT_FALSE(Singola() == Singola::da(0.0f));
}

TEST(Singola, ReadingACaption) {
    EXPECT_EQ(Singola::daTesto("2.5").valore(), 2.5f);
    EXPECT_EQ(Singola::daTesto("-0").testo(), "0");
    EXPECT_TRUE(Singola::daTesto("").vuota());
    EXPECT_TRUE(Singola::daTesto("abc").vuota());
    EXPECT_TRUE(Singola::daTesto("1.5x").vuota());
}

}  // namespace
}  // namespace zelvo
