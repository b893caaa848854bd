#include "MovieLayout.h"

#include <gtest/gtest.h>

namespace {

TMovieLayoutInput Open(QSize panel, QSize picture, TDisplaySize size, int zoom = 100) {
    TMovieLayoutInput in;
    in.panel = panel;
    in.picture = picture;
    in.open = true;
    in.displaySize = size;
    in.zoomSize = zoom;
    return in;
}

struct TSizingCase {
    const char* name;
    TMovieLayoutInput input;
    QRect picture;
};

class MovieLayoutSizing : public ::testing::TestWithParam<TSizingCase> {};

TEST_P(MovieLayoutSizing, PlacesThePicture) {
    const TMovieLayout out = LayoutMovie(GetParam().input);
    EXPECT_TRUE(out.pictureVisible);
    EXPECT_EQ(out.picture, GetParam().picture);
    EXPECT_FALSE(out.horizontal.visible);
    EXPECT_FALSE(out.vertical.visible);
    EXPECT_FALSE(out.cornerVisible);
}

using S = TDisplaySize;

INSTANTIATE_TEST_SUITE_P(
    Cases, MovieLayoutSizing,
    ::testing::Values(
        TSizingCase{
            "DefaultCentred", Open({400, 300}, {320, 240}, S::mpDefaultSize), {40, 30, 320, 240}},
        TSizingCase{
            "HalfCentred", Open({400, 300}, {320, 240}, S::mpHalfSize), {120, 90, 160, 120}},
        TSizingCase{
            "DoubleFits", Open({700, 500}, {320, 240}, S::mpDoubleSize), {30, 10, 640, 480}},
        // Too large for the panel: fitted instead, keeping the aspect ratio.
        TSizingCase{"DefaultTooLargeIsFitted",
                    Open({400, 300}, {640, 480}, S::mpDefaultSize),
                    {0, 0, 400, 300}},
        TSizingCase{"DoubleTooLargeIsFitted",
                    Open({500, 300}, {320, 240}, S::mpDoubleSize),
                    {50, 0, 400, 300}},
        TSizingCase{
            "FitWidePanel", Open({800, 300}, {320, 240}, S::mpFitToSize), {200, 0, 400, 300}},
        TSizingCase{
            "FitTallPanel", Open({400, 900}, {320, 240}, S::mpFitToSize), {0, 300, 400, 300}},
        // Comparing free space alone would pick a width of 320 here and overflow the panel.
        TSizingCase{
            "FitStaysInsidePanel", Open({300, 160}, {200, 100}, S::mpFitToSize), {0, 5, 300, 150}},
        TSizingCase{
            "CustomZoom50", Open({400, 300}, {640, 480}, S::mpCustomSize, 50), {40, 30, 320, 240}},
        TSizingCase{"CustomZoom100Fits",
                    Open({400, 300}, {200, 100}, S::mpCustomSize),
                    {100, 100, 200, 100}},
        TSizingCase{"ClosedFillsPanel",
                    [] {
                        auto in = Open({400, 300}, {320, 240}, S::mpDefaultSize);
                        in.open = false;
                        return in;
                    }(),
                    {0, 0, 400, 300}},
        TSizingCase{"ControlsShownFillPanel",
                    [] {
                        auto in = Open({400, 300}, {320, 240}, S::mpDefaultSize);
                        in.controlsShown = true;
                        return in;
                    }(),
                    {0, 0, 400, 300}},
        TSizingCase{"NoPictureSizeFillsPanel",
                    Open({400, 300}, {0, 0}, S::mpDefaultSize),
                    {0, 0, 400, 300}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MovieLayout, HiddenComponentOrPictureMovesThePictureOutOfSight) {
    for (bool component : {false, true}) {
        auto in = Open({400, 300}, {320, 240}, S::mpDefaultSize);
        in.componentVisible = component;
        in.pictureShown = !component;
        const TMovieLayout out = LayoutMovie(in);
        EXPECT_FALSE(out.pictureVisible);
        EXPECT_FALSE(QRect(0, 0, 400, 300).intersects(out.picture));
        EXPECT_FALSE(out.horizontal.visible || out.vertical.visible);
    }
}

TEST(MovieLayout, CustomSizeLargerThanPanelGetsScrollBarsWithCorner) {
    // 640 x 480 at 200 % in 400 x 300: both bars, 16 px, leaving a 384 x 284 view.
    auto in = Open({400, 300}, {640, 480}, S::mpCustomSize, 200);
    in.scrollX = 0;
    in.scrollY = 1;
    const TMovieLayout out = LayoutMovie(in);
    ASSERT_TRUE(out.horizontal.visible);
    ASSERT_TRUE(out.vertical.visible);
    EXPECT_EQ(out.horizontal.bounds, QRect(0, 284, 384, 16));
    EXPECT_EQ(out.vertical.bounds, QRect(384, 0, 16, 284));
    EXPECT_TRUE(out.cornerVisible);
    EXPECT_EQ(out.corner, QRect(384, 284, 16, 16));
    EXPECT_EQ(out.horizontal.maximum, 1280 - 384);
    EXPECT_EQ(out.horizontal.singleStep, 1280 / 50 + 1); // 25.6 rounded
    EXPECT_EQ(out.horizontal.pageStep, 128);
    EXPECT_EQ(out.vertical.value, 960 - 284);
    EXPECT_EQ(out.picture, QRect(0, -(960 - 284), 1280, 960));
}

TEST(MovieLayout, ScrollBarInOneDirectionCentresTheOther) {
    // 500 wide in 400: a horizontal bar only; vertically 200 fits into 300 - 16.
    const TMovieLayout out = LayoutMovie(Open({400, 300}, {500, 200}, S::mpCustomSize));
    EXPECT_TRUE(out.horizontal.visible);
    EXPECT_FALSE(out.vertical.visible);
    EXPECT_FALSE(out.cornerVisible);
    EXPECT_EQ(out.horizontal.value, 50);
    EXPECT_EQ(out.picture, QRect(-50, 42, 500, 200));
}

TEST(MovieLayout, HorizontalBarCanForceTheVerticalOne) {
    // 290 high fits 300, but not the 284 left beside a horizontal bar.
    const TMovieLayout out = LayoutMovie(Open({400, 300}, {500, 290}, S::mpCustomSize));
    EXPECT_TRUE(out.horizontal.visible);
    EXPECT_TRUE(out.vertical.visible);
    EXPECT_EQ(out.horizontal.maximum, 500 - 384);
}

TEST(MovieLayout, WithoutScrollBarsPlacesByScrollFractions) {
    auto in = Open({400, 300}, {640, 480}, S::mpCustomSize);
    in.showScrollBars = false;
    EXPECT_EQ(LayoutMovie(in).picture, QRect(-120, -90, 640, 480));
    in.scrollX = 0;
    in.scrollY = 1;
    EXPECT_EQ(LayoutMovie(in).picture, QRect(0, -180, 640, 480));
    EXPECT_FALSE(LayoutMovie(in).horizontal.visible);
}

} // namespace
