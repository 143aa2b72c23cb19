// The password scramble, with expected letters worked out by hand from its rule:
// for position i, c = the character as a signed byte, d = key[i % 5] as a signed byte
// (key "Rm7#pQz!w4Lx9@tVb2&kYe", so 'R' = 82, 'm' = 109), then i + 1 passes of
//   e = |c(c+1) - d*d| mod 26;  d = |(2c+1)d| mod 255;  c = e
// and the letter is 'A' + the last e.
#include "power/stuff.h"

#include <gtest/gtest.h>

namespace quelmo {
namespace {

struct ScrambleRow {
    const char* name;
    std::string text;
    std::string expected;
};

void PrintTo(const ScrambleRow& row, std::ostream* out) {
    *out << row.name;
}

class Scramble : public ::testing::TestWithParam<ScrambleRow> {};

TEST_P(Scramble, GivesTheHandWorkedLetters) {
    EXPECT_EQ(ScramblePassword(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, Scramble,
    ::testing::Values(
        ScrambleRow{"empty", "", ""},
        // 'a' = 97, d = 82: |97*98 - 82*82| = |9506 - 6724| = 2782 = 26*107 -> e = 0 -> 'A'.
        ScrambleRow{"lower_a", "a", "A"},
        // 'A' = 65: |65*66 - 6724| = |4290 - 6724| = 2434 = 26*93 + 16 -> 'Q'. The scramble
        // keeps letter case apart.
        ScrambleRow{"capital_A", "A", "Q"},
        // 0xE9 enters as 233 - 256 = -23: |(-23)(-22) - 6724| = |506 - 6724| = 6218
        // = 26*239 + 4 -> 'E'. (Read as 233 it would give 47798 mod 26 = 10, 'K'.)
        ScrambleRow{"above_127", "\xE9", "E"},
        // 0x80 enters as -128: |(-128)(-127) - 6724| = 9532 = 26*366 + 16 -> 'Q'.
        ScrambleRow{"lowest_byte", "\x80", "Q"},
        // Position 1 takes two passes with d = 'm' = 109:
        //   pass 1: e = |9506 - 11881| = 2375 = 26*91 + 9 -> 9; d = |195*109| = 21255
        //           = 255*83 + 90 -> 90; c = 9
        //   pass 2: e = |9*10 - 90*90| = 8010 = 26*308 + 2 -> 2 -> 'C'.
        ScrambleRow{"second_position_two_passes", "aa", "AC"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Scramble, PositionFiveSharesKeyCharacterWithPositionZeroButTakesSixPasses) {
    // Position 5 starts like position 0 (c = 97, d = 'R' = 82) and goes on:
    //   pass 1: e = 0;  d = |195*82| = 15990 = 255*62 + 180 -> 180; c = 0
    //   pass 2: e = |0 - 180*180| = 32400 = 26*1246 + 4 -> 4;  d = |1*180| = 180;  c = 4
    //   pass 3: e = |4*5 - 32400| = 32380 = 26*1245 + 10 -> 10;  d = |9*180| = 1620
    //           = 255*6 + 90 -> 90;  c = 10
    //   pass 4: e = |110 - 8100| = 7990 = 26*307 + 8 -> 8;  d = |21*90| = 1890
    //           = 255*7 + 105 -> 105;  c = 8
    //   pass 5: e = |72 - 11025| = 10953 = 26*421 + 7 -> 7;  d = |17*105| = 1785
    //           = 255*7 -> 0;  c = 7
    //   pass 6: e = |7*8 - 0| = 56 = 26*2 + 4 -> 4 -> 'E'.
    const std::string scrambled = ScramblePassword("aXYZWa");
    ASSERT_EQ(scrambled.size(), 6u);
    EXPECT_EQ(scrambled[0], 'A');
    EXPECT_EQ(scrambled[5], 'E');
}

TEST(Scramble, EveryResultIsCapitalLettersOfTheSameLength) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    for (const std::string& text : {std::string("wren1234"), all}) {
        const std::string scrambled = ScramblePassword(text);
        ASSERT_EQ(scrambled.size(), text.size());
        for (char letter : scrambled)
            EXPECT_TRUE(letter >= 'A' && letter <= 'Z') << static_cast<int>(letter);
    }
}

} // namespace
} // namespace quelmo
