// Where Cascade and Tile put the windows, and the titles of the windows: worked out by hand for an
// area of 800 by 500.
#include <gtest/gtest.h>

#include "app/CChildFrame.h"
#include "app/WindowArrangement.h"

namespace {

const QRect kArea(0, 0, 800, 500);

bool allInside(const QList<QRect>& places, const QRect& area)
{
    return std::all_of(places.begin(), places.end(), [&](const QRect& place) { return area.contains(place); });
}

}  // namespace

TEST(Cascade, EveryWindowTakesTheSameSizeEachATitleBarFurtherOn)
{
    const QList<QRect> places = windowarrangement::cascade(kArea, QList<QSize>(3, QSize(300, 200)), 25);
    EXPECT_EQ(places, (QList<QRect>{{0, 0, 750, 450}, {25, 25, 750, 450}, {50, 50, 750, 450}}));
}

TEST(Cascade, ManyWindowsStartAgainAtTheTopBeforeOneHasLessThanHalfTheArea)
{
    // 500 / 2 / 25 = 10 steps fit: windows 1 to 11 step down, the twelfth starts again.
    const QList<QRect> places = windowarrangement::cascade(kArea, QList<QSize>(12, QSize(100, 100)), 25);
    EXPECT_EQ(places.at(10), QRect(250, 250, 550, 250));
    EXPECT_EQ(places.at(11), QRect(0, 0, 550, 250));
    EXPECT_TRUE(allInside(places, kArea));
}

TEST(Cascade, AWindowThatNeedsMoreThanItsShareMovesInRatherThanOut)
{
    const QList<QRect> places =
        windowarrangement::cascade(kArea, {QSize(100, 100), QSize(790, 480), QSize(900, 600)}, 25);
    EXPECT_EQ(places.at(0), QRect(0, 0, 750, 450));
    EXPECT_EQ(places.at(1), QRect(10, 20, 790, 480));
    // Larger than the area itself: at its top-left, the area scrolls to the rest.
    EXPECT_EQ(places.at(2), QRect(0, 0, 900, 600));
}

TEST(Tile, WindowsShareANearlySquareGridAndTheLastRowItsWidth)
{
    const QList<QRect> places = windowarrangement::tile(kArea, QList<QSize>(5, QSize(100, 100)));
    EXPECT_EQ(places,
              (QList<QRect>{
                  {0, 0, 266, 250}, {266, 0, 267, 250}, {533, 0, 267, 250}, {0, 250, 400, 250}, {400, 250, 400, 250}}));
}

TEST(Tile, WindowsLargerThanTheirCellsOverlapInsideTheArea)
{
    const QList<QRect> places = windowarrangement::tile(kArea, QList<QSize>(9, QSize(500, 300)));
    ASSERT_EQ(places.size(), 9);
    EXPECT_TRUE(allInside(places, kArea));
    EXPECT_EQ(places.at(8), QRect(300, 200, 500, 300));
    EXPECT_TRUE(windowarrangement::tile(kArea, {}).isEmpty());
}

TEST(FrameTitle, TheFileNameComesFirstThenItsFolder)
{
    EXPECT_EQ(CChildFrame::FrameTitle("/home/ann/fields/hillcrest-design.otr", 0),
              "hillcrest-design.otr - /home/ann/fields");
    EXPECT_EQ(CChildFrame::FrameTitle("/home/ann/fields/hillcrest-design.trn", 2, "[*]"),
              "hillcrest-design.trn:2[*] - /home/ann/fields");
    EXPECT_EQ(CChildFrame::FrameTitle("/north.otr", 0), "north.otr - /");
    // A title without a folder: an untitled project, a file opened by its bare name.
    EXPECT_EQ(CChildFrame::FrameTitle("Transient1", 1), "Transient1:1");
    EXPECT_EQ(CChildFrame::FrameTitle("north.otr (the saved file, not the form)", 0),
              "north.otr (the saved file, not the form)");
}
