// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "qt/court_placement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gloob {
namespace {

struct PlacementCase {
    const char* name;
    QSize logical;
    qreal ratio;
    int scale;
    QPoint offset;
};
void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, LargestWholeScaleCentred) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(placeCourt(c.logical, c.ratio), (CourtPlacement{c.scale, c.offset}));
}

INSTANTIATE_TEST_SUITE_P(
    Views, Placement,
    ::testing::Values(PlacementCase{"WrittenSize", {751, 473}, 1, 1, {0, 0}},
                      PlacementCase{"AlmostTwiceStaysOne", {1501, 1000}, 1, 1, {375, 263}},
                      PlacementCase{"FullHdUnderAMenuBar", {1920, 1058}, 1, 2, {209, 56}},
                      PlacementCase{"FullHdWhole", {1920, 1080}, 1, 2, {209, 67}},
                      PlacementCase{"FourKHeightDecides", {3840, 2138}, 1, 4, {418, 123}},
                      PlacementCase{"WideButLow", {3000, 600}, 1, 1, {1124, 63}},
                      PlacementCase{"TooSmallStillOne", {700, 400}, 1, 1, {-25, -36}},
                      PlacementCase{"RatioTwoWrittenSize", {751, 473}, 2, 2, {0, 0}},
                      PlacementCase{"RatioTwoOneToOne", {376, 237}, 2, 1, {0, 0}},
                      PlacementCase{"RatioTwoFullHd", {960, 529}, 2, 2, {209, 56}},
                      PlacementCase{"RatioOneAndAHalf", {751, 473}, 1.5, 1, {187, 118}},
                      PlacementCase{"RatioThree", {751, 473}, 3, 3, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

struct OpeningCase {
    const char* name;
    QSize available;
    QSize chrome;
    qreal ratio;
    int scale;
    QSize view;
};
void PrintTo(const OpeningCase& c, std::ostream* os) {
    *os << c.name;
}

class Opening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(Opening, WrittenSizeOrTheLargestThatFits) {
    const OpeningCase& c = GetParam();
    const int scale = openingScale(c.available, c.chrome, c.ratio);
    EXPECT_EQ(scale, c.scale);
    EXPECT_EQ(viewSizeAt(scale, c.ratio), c.view);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Opening,
    ::testing::Values(OpeningCase{"PlainScreen", {1280, 1024}, {0, 22}, 1, 1, {751, 473}},
                      OpeningCase{"RatioTwoOn1280x1024", {640, 512}, {2, 34}, 2, 1, {376, 237}},
                      OpeningCase{"RatioTwoOnFourK", {1920, 1080}, {2, 34}, 2, 2, {751, 473}},
                      OpeningCase{"RatioThreeFits", {1280, 720}, {2, 34}, 3, 3, {751, 473}},
                      OpeningCase{
                          "RatioThreeTooLowForThree", {1280, 500}, {2, 34}, 3, 2, {501, 316}},
                      OpeningCase{"FrameDecides", {751, 500}, {0, 28}, 2, 1, {376, 237}},
                      OpeningCase{"NothingFitsStillOne", {300, 200}, {0, 22}, 2, 1, {376, 237}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob
