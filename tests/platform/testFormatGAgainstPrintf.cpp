#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "platform/NumberFormat.h"

namespace {

// The C library's "%g" (exact, rounding ties to even) with the exponent widened to three
// digits: what FormatG must give for every finite value.
std::string Reference(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", value);
    std::string s(buf);
    const size_t e = s.find('e');
    if (e != std::string::npos && s.size() - (e + 2) < 3)
        s.insert(e + 2, 3 - (s.size() - (e + 2)), '0');
    return s;
}

class FormatGAgainstPrintf : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strLocale = std::setlocale(LC_NUMERIC, nullptr);
        std::setlocale(LC_NUMERIC, "C");
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, m_strLocale.c_str()); }

    // Stops after a few mismatches so that a fault gives a readable report.
    void Check(double value)
    {
        if (m_nFailures >= 10)
            return;
        const std::string expected = Reference(value);
        const std::string actual = FormatG(value);
        if (actual != expected) {
            ++m_nFailures;
            ADD_FAILURE() << "value " << std::hexfloat << value << std::defaultfloat << ": " << actual
                          << " instead of " << expected;
        }
    }

    std::string m_strLocale;
    int m_nFailures = 0;
};

}  // namespace

TEST_F(FormatGAgainstPrintf, RandomValuesOfEveryMagnitude)
{
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> exponent(-30, 30);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 50000; ++i) {
        Check(std::pow(10.0, exponent(random)) * (random() & 1 ? 1 : -1));
        uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any))
            Check(any);
        Check(500 + 400 * std::sin(unit(random) * 100));
    }
}

TEST_F(FormatGAgainstPrintf, ValuesAtAndBesideRoundingTies)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> digits(100000, 999999);
    for (int i = 0; i < 2000; ++i) {
        for (int power = -22; power <= 24; ++power) {
            // d.ddddd5 times a power of ten, and its neighbours on either side.
            const double tie = (digits(random) + 0.5) * std::pow(10.0, power - 5);
            Check(tie);
            Check(std::nextafter(tie, 0.0));
            Check(std::nextafter(tie, HUGE_VAL));
            Check(-tie);
        }
    }
    // Exact binary ties: n + 0.5 with six digits before the point, and ties that round up
    // into one more digit.
    for (double v : {100000.5, 100001.5, 999999.5, 99999.95, 0.5, 2.5, 1e6 - 0.5, 1234565.0, 12345650.0})
        Check(v);
}

TEST_F(FormatGAgainstPrintf, GridsAndIntegersAsExportsHaveThem)
{
    double x = 0;
    for (int i = 0; i < 100000; ++i, x += 1e-6) {
        Check(x);
        Check(i * 1e-6);
        Check(i);
        Check(i * 0.25 - 1000);
    }
}
