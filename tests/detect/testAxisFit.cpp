#include <gtest/gtest.h>

#include <cmath>

#include "detect/AxisFit.h"

namespace {

using Form = CLabelValue::Form;

// Ticks every 50 pixels from 100, labelled value0, value0 + step, ...
std::vector<CAxisFit::CLabelledTick> EvenTicks(int count, double value0, double step)
{
    std::vector<CAxisFit::CLabelledTick> ticks;
    for (int i = 0; i < count; ++i)
        ticks.push_back({100.0 + 50.0 * i, {Form::Plain, value0 + step * i}});
    return ticks;
}

}  // namespace

TEST(AxisFitTest, LeavesOutMisreadLabelsAndMissingTicks)
{
    // 0, 2, 4, ... 12 with "8" read as "3" and "10" as "1.0", and the tick of 6 not found;
    // the ticks off by a quarter of a pixel either way, as whole-pixel drawing leaves them.
    std::vector<CAxisFit::CLabelledTick> ticks = EvenTicks(7, 0.0, 2.0);
    ticks[4].label.value = 3.0;
    ticks[5].label.value = 1.0;
    ticks.erase(ticks.begin() + 3);
    for (size_t i = 0; i < ticks.size(); ++i)
        ticks[i].at += (i % 2 == 0 ? 0.25 : -0.25);
    const CAxisFit::CResult fit = CAxisFit::Fit(ticks);
    ASSERT_TRUE(fit.found) << fit.reason;
    EXPECT_FALSE(fit.logarithmic);
    EXPECT_NEAR(fit.ValueAt(100.0), 0.0, 0.02);
    EXPECT_NEAR(fit.ValueAt(400.0), 12.0, 0.02);
    const std::vector<bool> agrees = {true, true, true, false, false, true};
    EXPECT_EQ(fit.agrees, agrees);
    EXPECT_GT(fit.confidence, 0.3);
}

TEST(AxisFitTest, ReadsDecadesAndInvertedAxes)
{
    // 10^-1 ... 10^3 written as powers, every 50 pixels.
    std::vector<CAxisFit::CLabelledTick> decades;
    for (int i = 0; i < 5; ++i)
        decades.push_back({100.0 + 50.0 * i, {Form::Power, std::pow(10.0, i - 1)}});
    const CAxisFit::CResult log = CAxisFit::Fit(decades);
    ASSERT_TRUE(log.found) << log.reason;
    EXPECT_TRUE(log.logarithmic);
    EXPECT_NEAR(log.ValueAt(125.0), std::sqrt(10.0) / 10.0, 1e-9);

    // Values falling along the axis (a Y axis read downwards, or an inverted X).
    const CAxisFit::CResult inverted = CAxisFit::Fit(EvenTicks(5, 100.0, -25.0));
    ASSERT_TRUE(inverted.found) << inverted.reason;
    EXPECT_FALSE(inverted.logarithmic);
    EXPECT_LT(inverted.slope, 0.0);
    EXPECT_NEAR(inverted.ValueAt(300.0), 0.0, 1e-9);
}

TEST(AxisFitTest, AppliesTheMultiplierAndOffsetTextsToPlainLabels)
{
    // "1.0 1.5 2.0 2.5" under "×10⁻⁵", and the same labels with "+1.99e3".
    const std::vector<CAxisFit::CLabelledTick> ticks = EvenTicks(4, 1.0, 0.5);
    const CAxisFit::CResult multiplied = CAxisFit::Fit(ticks, 1e-5);
    ASSERT_TRUE(multiplied.found) << multiplied.reason;
    EXPECT_NEAR(multiplied.ValueAt(250.0), 2.5e-5, 1e-15);
    const CAxisFit::CResult shifted = CAxisFit::Fit(ticks, 1.0, 1990.0);
    ASSERT_TRUE(shifted.found) << shifted.reason;
    EXPECT_NEAR(shifted.ValueAt(100.0), 1991.0, 1e-9);
}

TEST(AxisFitTest, RefusesLabelsThatDisagreeOrAreTooFew)
{
    const std::vector<CAxisFit::CLabelledTick> scattered = {
        {100, {Form::Plain, 5}}, {150, {Form::Plain, 1}},  {200, {Form::Plain, 40}},
        {250, {Form::Plain, 2}}, {300, {Form::Plain, 17}}, {350, {Form::Plain, 3}}};
    EXPECT_FALSE(CAxisFit::Fit(scattered).found);
    // Three of six agreeing is no majority.
    std::vector<CAxisFit::CLabelledTick> half = EvenTicks(6, 0.0, 1.0);
    half[1].label.value = 7;
    half[3].label.value = 9;
    half[5].label.value = 4;
    EXPECT_FALSE(CAxisFit::Fit(half).found);
    const CAxisFit::CResult two = CAxisFit::Fit(EvenTicks(2, 0.0, 1.0));
    EXPECT_FALSE(two.found);
    EXPECT_FALSE(two.reason.empty());
}
