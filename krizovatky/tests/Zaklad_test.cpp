#include "krizovatky/Krizovatka.h"
#include <gtest/gtest.h>
TEST(Krizovatka, Zaklad) { EXPECT_EQ(SpojStitky({"A", "C"}), "A+C"); }
