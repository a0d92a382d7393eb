#include "model/data/Spline.h"

#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

const std::vector<double> kX{0, 1, 2};
const std::vector<double> kY{0, 1, 0};

// Points (0,0), (1,1), (2,0), h = 1, second derivatives M0, M1, M2.
// Natural: M0 = M2 = 0; the middle row h/6 M0 + 2h/3 M1 + h/6 M2 = (0-1)/1 - (1-0)/1 = -2
// gives M1 = -3. At t = 0.5: a = b = 0.5, S = 0.5*0 + 0.5*1 + (b^3-b)*M1/6
// = 0.5 + (-0.375)(-3)/6 = 0.6875. At t = 0.25: a = 0.75, b = 0.25,
// S = 0.25 + (0.015625-0.25)(-3)/6 = 0.3671875.
TEST(Spline, NaturalEndsMatchTheHandComputedCurve) {
    std::vector<double> xs, ys;
    Spline(kX, kY, xs, ys, 8, kSplineNatuerlich, 1e6);
    ASSERT_EQ(xs.size(), 9u);
    ASSERT_EQ(ys.size(), 9u);
    EXPECT_DOUBLE_EQ(xs[1], 0.25);
    EXPECT_DOUBLE_EQ(xs[8], 2.0);
    EXPECT_DOUBLE_EQ(ys[0], 0.0);
    EXPECT_DOUBLE_EQ(ys[1], 0.3671875);
    EXPECT_DOUBLE_EQ(ys[2], 0.6875);
    EXPECT_DOUBLE_EQ(ys[4], 1.0);
    EXPECT_DOUBLE_EQ(ys[6], 0.6875);  // symmetric
    EXPECT_NEAR(ys[8], 0.0, 1e-15);
}

// Clamped with slope 0 at both ends: rows M0/3 + M1/6 = (1-0)/1 - 0 = 1 and
// M1/6 + M2/3 = 0 - (0-1)/1 = 1, with the middle row M0/6 + 2M1/3 + M2/6 = -2; by symmetry
// M0 = M2 = s: s/3 + M1/6 = 1 and s/3 + 2M1/3 = -2 give M1 = -6, s = 6. On [0,1] this is
// S(t) = 3t^2 - 2t^3, so S(0.25) = 0.1875 - 0.03125 = 0.15625 and S(0.5) = 0.5.
TEST(Spline, ClampedEndsMatchTheHandComputedCurve) {
    std::vector<double> xs, ys;
    Spline(kX, kY, xs, ys, 8, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(ys[1], 0.15625);
    EXPECT_DOUBLE_EQ(ys[2], 0.5);
    EXPECT_DOUBLE_EQ(ys[7], 0.15625);
}

class SplineFehlerTest : public modeltest::BoxFixture {};

TEST_F(SplineFehlerTest, BadPointsAreTheGenericError) {
    struct Fall {
        const char* name;
        std::vector<double> x, y;
        int n;
    };
    const Fall faelle[] = {
        {"two points", {0, 1}, {0, 1}, 4},
        {"lengths differ", {0, 1, 2}, {0, 1}, 4},
        {"x not increasing", {0, 2, 1}, {0, 1, 2}, 4},
        {"equal x", {0, 1, 1}, {0, 1, 2}, 4},
        {"no samples", {0, 1, 2}, {0, 1, 2}, 0},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        presenter.shown.clear();
        std::vector<double> xs, ys;
        EXPECT_THROW(Spline(fall.x, fall.y, xs, ys, fall.n, 0.0, 0.0), platform::UserException);
        EXPECT_EQ(einzigeBox().text, u"Exception");
    }
}

}  // namespace
