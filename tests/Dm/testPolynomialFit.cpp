// The weighted least-squares polynomial the centre line is smoothed and bridged with.

#include <gtest/gtest.h>

#include "Dm/PolynomialFit.h"

TEST(PolynomialFit, PointsOnAPolynomialGiveItsCoefficientsWhateverTheirWeights)
{
    const CPolynomialFit::Coefficients cubic = {1.5, -0.25, 0.125, -0.0625};
    auto value = [&cubic](double d) { return cubic[0] + d * (cubic[1] + d * (cubic[2] + d * cubic[3])); };
    for (const int nDegree : {2, 3}) {
        CPolynomialFit fit(nDegree);
        for (int d = -12; d <= 7; ++d) {
            const double y = nDegree == 3 ? value(d) : cubic[0] + d * (cubic[1] + d * cubic[2]);
            fit.Add(d, y, 1.0 + (d + 12) % 5);
        }
        CPolynomialFit::Coefficients c;
        ASSERT_TRUE(fit.Solve(c)) << nDegree;
        for (int k = 0; k <= nDegree; ++k)
            EXPECT_NEAR(c[static_cast<size_t>(k)], cubic[static_cast<size_t>(k)], 1e-9)
                << nDegree << " " << k;
        for (int k = nDegree + 1; k <= CPolynomialFit::kMaxDegree; ++k)
            EXPECT_EQ(c[static_cast<size_t>(k)], 0.0);
    }
}

TEST(PolynomialFit, TooFewPlacesLeaveTheCurveUndecided)
{
    // A cubic needs four different places; a quadratic three.
    CPolynomialFit none(2);
    CPolynomialFit::Coefficients c;
    EXPECT_FALSE(none.Solve(c));
    CPolynomialFit three(3);
    for (const double d : {-0.3, 0.1, 0.7, 0.7, -0.3})
        three.Add(d, d * d, 1.0);
    EXPECT_FALSE(three.Solve(c));
    CPolynomialFit enough(2);
    for (const double d : {-1.0, 0.0, 1.0})
        enough.Add(d, d * d, 1.0);
    ASSERT_TRUE(enough.Solve(c));
    EXPECT_NEAR(c[2], 1.0, 1e-12);
}
