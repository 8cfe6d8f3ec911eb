#include <gtest/gtest.h>
#include "nombres.h"
using namespace terraflot;

// Numbers as the program writes them: a blank for the sign of a positive number and the shortest digits;
// the patterns with a comma round halves away from zero.
TEST(Nombres, StrEtMotifs) {
    EXPECT_EQ(Str(0.25) + Str(-0.0) + Str(0.1 + 0.2) + Str(1.0 / 0.0), " 0.25 0 0.30000000000000004 inf");
    for (auto [x, t] : {std::pair{1.98, "1,98"}, {-25, "-25,0"}, {-2.865, "-2,87"}, {2.005, "2,01"}, {-0.004, "0,0"},
                        {9.999, "10,0"}})
        EXPECT_EQ(Format2(x), t) << x;
    EXPECT_EQ(Format0(2.5) + " " + Format0(-0.4), "3 0");
    EXPECT_EQ(CourtVirgule(2.67) + " " + CourtVirgule(1), "2,67 1");
}
