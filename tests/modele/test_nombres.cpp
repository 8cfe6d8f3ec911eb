#include <gtest/gtest.h>

#include "nombres.h"

using namespace terraflot;

// Numbers as the program writes them: a blank for the sign of a positive
// number and the shortest digits; the patterns with a comma round halves
// away from zero.
TEST(Nombres, StrEtMotifs) {
    EXPECT_EQ(Str(0.25), " 0.25");
    EXPECT_EQ(Str(-0.0), " 0");
    EXPECT_EQ(Str(0.1 + 0.2), " 0.30000000000000004");
    EXPECT_EQ(Str(1.0 / 0.0), " inf");
    EXPECT_EQ(Format2(1.98), "1,98");
    EXPECT_EQ(Format2(-25), "-25,0");
    EXPECT_EQ(Format2(-2.865), "-2,87");
    EXPECT_EQ(Format2(2.005), "2,01");
    EXPECT_EQ(Format2(-0.004), "0,0");
    EXPECT_EQ(Format2(9.999), "10,0");
    EXPECT_EQ(Format0(2.5), "3");
    EXPECT_EQ(Format0(-0.4), "0");
    EXPECT_EQ(CourtVirgule(2.67), "2,67");
    EXPECT_EQ(CourtVirgule(1), "1");
}
