#include "Dm/PolynomialFit.h"

#include <algorithm>
#include <cmath>
#include <utility>

CPolynomialFit::CPolynomialFit(int nDegree) : m_nDegree(std::clamp(nDegree, 1, kMaxDegree)) {}

void CPolynomialFit::Add(double d, double y, double dWeight)
{
    double power = dWeight;
    for (int k = 0; k <= 2 * m_nDegree; ++k) {
        m_Moments[static_cast<size_t>(k)] += power;
        if (k <= m_nDegree)
            m_Products[static_cast<size_t>(k)] += power * y;
        power *= d;
    }
}

bool CPolynomialFit::Solve(Coefficients& coefficients) const
{
    // The normal equations sum_j M(k+j) c_j = P(k), by elimination with partial pivoting. A
    // pivot that vanishes next to the sums' size means the points leave the curve undecided
    // (too few, or all at one d).
    const int n = m_nDegree + 1;
    double a[kMaxDegree + 1][kMaxDegree + 2] = {};
    double dScale = 0.0;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            a[r][c] = m_Moments[static_cast<size_t>(r + c)];
            dScale = std::max(dScale, std::abs(a[r][c]));
        }
        a[r][n] = m_Products[static_cast<size_t>(r)];
    }
    if (!(dScale > 0.0))
        return false;
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r) {
            if (std::abs(a[r][c]) > std::abs(a[pivot][c]))
                pivot = r;
        }
        if (!(std::abs(a[pivot][c]) > 1e-12 * dScale))
            return false;
        for (int k = 0; k <= n; ++k)
            std::swap(a[c][k], a[pivot][k]);
        for (int r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            for (int k = c; k <= n; ++k)
                a[r][k] -= f * a[c][k];
        }
    }
    coefficients.fill(0.0);
    for (int r = n - 1; r >= 0; --r) {
        double v = a[r][n];
        for (int k = r + 1; k < n; ++k)
            v -= a[r][k] * coefficients[static_cast<size_t>(k)];
        coefficients[static_cast<size_t>(r)] = v / a[r][r];
        if (!std::isfinite(coefficients[static_cast<size_t>(r)]))
            return false;
    }
    return true;
}
