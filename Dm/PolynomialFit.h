#pragma once

#include <array>

// Weighted least squares of a polynomial y = c0 + c1 d + ... + cK d^K of degree K (1 to 3),
// from points added one by one. d and y are in whatever units the caller uses; keep d near 0
// (measured from the place of interest) so that the sums stay well conditioned.
class CPolynomialFit {
public:
    static constexpr int kMaxDegree = 3;
    using Coefficients = std::array<double, kMaxDegree + 1>;

    explicit CPolynomialFit(int nDegree);

    void Add(double d, double y, double dWeight);
    // The coefficients c0 to cK (the rest 0); false when the points do not determine them.
    bool Solve(Coefficients& coefficients) const;

private:
    int m_nDegree;
    // The sums of w d^k, k up to twice the degree, and of w y d^k.
    std::array<double, 2 * kMaxDegree + 1> m_Moments{};
    std::array<double, kMaxDegree + 1> m_Products{};
};
