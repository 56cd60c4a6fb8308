// Where the minimised dialog draws its icon.
#include "ui/minimised_icon.h"

#include <gtest/gtest.h>

namespace {

TEST(MinimisedIconPosition, CentresWithTheDivisionTruncatingTowardZero)
{
    struct Case {
        int clientWidth, clientHeight, icon, x, y;
    } cases[] = {
        { 0, 0, 32, -15, -15 },
        { 36, 36, 32, 2, 2 },
        { 32, 32, 32, 0, 0 },
        { 33, 34, 32, 1, 1 },
        { 1, 2, 32, -15, -14 },
        { 160, 0, 32, 64, -15 },
    };
    for (const Case& c : cases) {
        IconPosition at = MinimisedIconPosition(c.clientWidth, c.clientHeight, c.icon, c.icon);
        EXPECT_EQ(at.x, c.x) << c.clientWidth << "x" << c.clientHeight;
        EXPECT_EQ(at.y, c.y) << c.clientWidth << "x" << c.clientHeight;
    }
}

} // namespace
