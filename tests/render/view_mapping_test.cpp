// Protects the pixel/logical mapping, zoom steps and limits, scrolling, centring, Best Fit and Fit All.
#include "render/view_mapping.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace torvik {
namespace {

TViewMapping MakeView(int w, int h, int zoom) {
    TViewMapping m;
    m.SetDisplaySize(w, h);
    m.ZoomCenterInDisplay(zoom, 0, 0);
    return m;
}

TEST(ViewMapping, ScaleIsTheSmallerAxisScaleOfTheRoundedExtents) {
    TViewMapping m = MakeView(1000, 800, 1000);
    // Window extents Round(1000 / 3.37 * 25) = 7418 and Round(800 / 3.37 * 25) = 5935.
    EXPECT_DOUBLE_EQ(m.Scale(), 800.0 / 5935.0);
    EXPECT_EQ(m.ScaleNum(), 800);
    EXPECT_EQ(m.ScaleDen(), 5935);
    EXPECT_NEAR(m.Scale() * 100.0, 13.48, 0.01);  // pixels per mm at 100 %

    m.ZoomCenterInDisplay(2000, 0, 0);
    EXPECT_NEAR(m.Scale() * 100.0, 26.96, 0.01);
    m.ZoomCenterInDisplay(250, 0, 0);
    EXPECT_NEAR(m.Scale() * 100.0, 3.37, 0.01);
    // At 1200 % the window extent is only 495 units high, so its rounding
    // shows: 800 / 495 px per unit instead of 1.6176.
    m.ZoomCenterInDisplay(12000, 0, 0);
    EXPECT_DOUBLE_EQ(m.Scale(), 800.0 / 495.0);

    // An empty display still has a usable mapping: the nominal scale.
    TViewMapping empty;
    EXPECT_DOUBLE_EQ(empty.Scale(), 3.37 * 1000 / 25000);
    EXPECT_NO_THROW(empty.AdjustScrollBars());
    EXPECT_NO_THROW(empty.FitAll());
    EXPECT_EQ(empty.Zoom(), MinAcceptedZoom);
}

TEST(ViewMapping, DeviceAndLogicalConvertBothWays) {
    TViewMapping m = MakeView(1000, 800, 2000);
    m.ZoomCenterInDisplay(2000, 5000, 4000);
    const int px = m.ScrollBarHorz().Position;
    const int py = m.ScrollBarVert().Position;
    EXPECT_EQ(m.DeviceToLogical(0, 0), (TPoint{px, py}));
    // 100 pixels at 26.96 px/mm are 3.709 mm.
    const TPoint p = m.DeviceToLogical(100, 200);
    EXPECT_EQ(p.X - px, 371);
    EXPECT_EQ(p.Y - py, 742);
    EXPECT_EQ(m.LogicalToDevice(TPoint{px + 371, py + 742}), (TPoint{100, 200}));
    EXPECT_DOUBLE_EQ(m.OffsetX(), -px * m.Scale());
    EXPECT_DOUBLE_EQ(m.OffsetY(), -py * m.Scale());

    // Below one pixel per unit every pixel has its own logical unit, so
    // device -> logical -> device is exact; above it, logical -> device ->
    // logical is.
    for (int zoom : {250, 1000, 2000, 6000}) {
        m.ZoomCenterInDisplay(zoom, 3333, 2222);
        for (int x = -5; x <= 1005; ++x) {
            const TPoint l = m.DeviceToLogical(x, x / 2);
            ASSERT_EQ(m.LogicalToDevice(l), (TPoint{x, x / 2})) << zoom << " " << x;
        }
    }
    m.ZoomCenterInDisplay(12000, 3333, 2222);
    for (int x = 3000; x <= 3700; ++x) {
        const TPoint d = m.LogicalToDevice(TPoint{x, x});
        ASSERT_EQ(m.DeviceToLogical(d), (TPoint{x, x})) << x;
    }

    const TRect v = m.VisibleRect();
    EXPECT_EQ((TPoint{v.Left, v.Top}), m.DeviceToLogical(0, 0));
    EXPECT_EQ((TPoint{v.Right, v.Bottom}), m.DeviceToLogical(1000, 800));

    EXPECT_EQ(DivRoundHalfEven(5, 2), 2);
    EXPECT_EQ(DivRoundHalfEven(7, 2), 4);
    EXPECT_EQ(DivRoundHalfEven(-5, 2), -2);
    EXPECT_EQ(DivRoundHalfEven(-7, 2), -4);
    EXPECT_EQ(DivRoundHalfEven(-8, 3), -3);
}

TEST(ViewMapping, ZoomStepsAndLimits) {
    EXPECT_EQ(ZoomSteps(), (std::array<int, 9>{12000, 6000, 3000, 2000, 1500, 1000, 750, 500, 250}));
    EXPECT_EQ(NextZoomIn(12000), 12000);
    EXPECT_EQ(NextZoomOut(250), 250);
    EXPECT_EQ(NextZoomIn(1600), 2000);
    EXPECT_EQ(NextZoomOut(1600), 1500);
    EXPECT_EQ(NextZoomIn(222), 250);
    EXPECT_EQ(NextZoomOut(222), 250);
    EXPECT_EQ(NextZoomIn(50000), 12000);

    TViewMapping m = MakeView(600, 400, 250);
    std::vector<int> seen;
    for (int i = 0; i < 10; ++i) {
        m.ZoomIn();
        seen.push_back(m.Zoom());
    }
    EXPECT_EQ(seen, (std::vector<int>{500, 750, 1000, 1500, 2000, 3000, 6000, 12000, 12000, 12000}));
    m.ZoomOut();
    m.ZoomOut();
    EXPECT_EQ(m.Zoom(), 3000);
    EXPECT_EQ(ZoomText(m.Zoom()), "300%");

    // Bad zooms are refused and change nothing.
    EXPECT_THROW(m.SetZoom(0), std::out_of_range);
    EXPECT_THROW(m.ZoomCenterInDisplay(-10, 0, 0), std::out_of_range);
    EXPECT_THROW(m.ZoomAroundCenter(MaxAcceptedZoom + 1), std::out_of_range);
    EXPECT_EQ(m.Zoom(), 3000);
    EXPECT_THROW(m.SetDisplaySize(-1, 10), std::out_of_range);
    EXPECT_THROW(m.SetDisplaySize(10, MaxDisplaySize + 1), std::out_of_range);
    EXPECT_EQ(m.Width(), 600);
}

TEST(ViewMapping, ZoomBoxTexts) {
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(ZoomItemValue(ZoomBoxItems[i]), ZoomSteps()[i]);
        EXPECT_EQ(ZoomText(ZoomSteps()[i]), ZoomBoxItems[i]);
    }
    EXPECT_EQ(ZoomItemValue(BestFitItem), 1000);
    EXPECT_EQ(ZoomItemValue(""), 1000);
    EXPECT_EQ(ZoomItemValue("0%"), 1000);

    EXPECT_EQ(ZoomText(289), "29%");
    EXPECT_EQ(ZoomText(222), "22%");
    EXPECT_EQ(ZoomText(225), "22%");
    EXPECT_EQ(ZoomText(235), "24%");

    EXPECT_EQ(ParseTypedZoom("150"), 1500);
    EXPECT_EQ(ParseTypedZoom("150%"), 1500);
    EXPECT_EQ(ParseTypedZoom("150%%3"), 1500);
    EXPECT_EQ(ParseTypedZoom(" 25 "), 250);
    EXPECT_EQ(ParseTypedZoom("1200"), 12000);
    for (const char* bad : {"24", "1201", "", "%", "abc", "1 50", "-150", "99999999999999999999999"})
        EXPECT_FALSE(ParseTypedZoom(bad).has_value()) << bad;

    for (int c : std::initializer_list<int>{8, 13, '%', '0', '9'}) EXPECT_TRUE(IsZoomKeyAccepted(c)) << c;
    for (int c : std::initializer_list<int>{'a', ' ', '-', '.', 27, 0}) EXPECT_FALSE(IsZoomKeyAccepted(c)) << c;
}

TEST(ViewMapping, ScrollBarsFollowZoomAndSize) {
    // At 25 % on 1000 x 800 pixels the whole area fits: both bars disabled at 0.
    TViewMapping m = MakeView(1000, 800, 2000);
    m.ZoomCenterInDisplay(2000, 9000, 9000);
    EXPECT_GT(m.ScrollBarHorz().Position, 0);
    m.ZoomCenterInDisplay(250, 9000, 9000);
    for (const auto* bar : {&m.ScrollBarHorz(), &m.ScrollBarVert()}) {
        EXPECT_FALSE(bar->Enabled);
        EXPECT_EQ(bar->Position, 0);
        EXPECT_EQ(bar->PageSize, 0);
        EXPECT_EQ(bar->Max, WorldExtent);
    }

    // At 200 % the visible extents are the pixel extents over 0.2696 px/unit.
    m.ZoomCenterInDisplay(2000, 0, 0);
    const TScrollBarState& h = m.ScrollBarHorz();
    EXPECT_TRUE(h.Enabled);
    EXPECT_EQ(h.PageSize, m.DeviceToLogical(999, 0).X - m.DeviceToLogical(0, 0).X);
    EXPECT_NEAR(h.PageSize, 999 / 0.2696, 2.0);
    EXPECT_EQ(h.LargeChange, h.PageSize);
    EXPECT_EQ(h.SmallChange, 1);

    // Centring clamps to the scroll ranges.
    m.ZoomCenterInDisplay(2000, 10000, 10000);
    EXPECT_EQ(m.ScrollBarHorz().Position, m.ScrollBarHorz().MaxPosition());
    EXPECT_EQ(m.ScrollBarVert().Position, m.ScrollBarVert().MaxPosition());
    m.ZoomCenterInDisplay(2000, 5000, 4000);
    EXPECT_EQ(m.DisplayCenter(), (TPoint{5000, 4000}));

    // Scroll events are clamped; a disabled bar stays at 0.
    m.Scroll(TScrollAxis::Horz, -40);
    EXPECT_EQ(m.ScrollBarHorz().Position, 0);
    m.Scroll(TScrollAxis::Vert, 1'000'000);
    EXPECT_EQ(m.ScrollBarVert().Position, m.ScrollBarVert().MaxPosition());
    m.Scroll(TScrollAxis::Horz, 1234);
    EXPECT_EQ(m.ScrollBarHorz().Position, 1234);
    TViewMapping small = MakeView(1000, 800, 250);
    small.Scroll(TScrollAxis::Horz, 500);
    EXPECT_EQ(small.ScrollBarHorz().Position, 0);

    // Very wide displays at low zoom and one-pixel displays keep LargeChange
    // within what a scroll bar takes.
    TViewMapping wide = MakeView(MaxDisplaySize, 10, 250);
    EXPECT_EQ(wide.ScrollBarHorz().LargeChange, 32767);
    TViewMapping thin = MakeView(1, 1, 12000);
    EXPECT_TRUE(thin.ScrollBarHorz().Enabled);
    EXPECT_EQ(thin.ScrollBarHorz().PageSize, 0);
    EXPECT_EQ(thin.ScrollBarHorz().LargeChange, 1);
}

TEST(ViewMapping, ZoomAroundCenterAndResizeKeepTheView) {
    TViewMapping m = MakeView(1000, 800, 2000);
    m.ZoomCenterInDisplay(2000, 5000, 5000);
    m.ZoomAroundCenter(3000);
    EXPECT_EQ(m.Zoom(), 3000);
    EXPECT_EQ(m.DisplayCenter(), (TPoint{5000, 5000}));

    // Repeated resizes keep the top-left corner exactly; no drift.
    const TPoint topLeft = m.DeviceToLogical(0, 0);
    for (int i = 0; i < 50; ++i) m.Resize(900 + i, 700 + (i % 7));
    EXPECT_EQ(m.DeviceToLogical(0, 0), topLeft);
    EXPECT_EQ(m.Width(), 949);

    // Growing so far that the area fits disables the bars; shrinking back
    // re-clamps the positions.
    m.ZoomCenterInDisplay(1000, 10000, 10000);
    m.Resize(1400, 1400);
    EXPECT_FALSE(m.ScrollBarHorz().Enabled);
    EXPECT_EQ(m.DeviceToLogical(0, 0), (TPoint{0, 0}));
    m.ZoomCenterInDisplay(2000, 10000, 10000);
    m.Resize(1000, 800);
    EXPECT_LE(m.ScrollBarHorz().Position, m.ScrollBarHorz().MaxPosition());
    EXPECT_LE(m.ScrollBarVert().Position, m.ScrollBarVert().MaxPosition());
}

TEST(ViewMapping, FitAllAndRectangleZoom) {
    EXPECT_EQ(FitAllZoom(391, 500), 289);
    EXPECT_EQ(FitAllZoom(800, 300), 222);
    EXPECT_EQ(FitAllZoom(1, 1), MinAcceptedZoom);
    EXPECT_EQ(FitAllZoom(0, 0), MinAcceptedZoom);

    TViewMapping m = MakeView(500, 300, 2000);
    m.ZoomCenterInDisplay(2000, 5000, 5000);
    m.FitAll();
    EXPECT_EQ(m.Zoom(), 222);
    EXPECT_EQ(m.DeviceToLogical(0, 0), (TPoint{0, 0}));
    EXPECT_LE(m.DeviceToLogical(299, 299).Y, WorldExtent + 50);
    m.ZoomIn();
    EXPECT_EQ(m.Zoom(), 250);

    TViewMapping z = MakeView(1000, 800, 2000);
    EXPECT_TRUE(z.ZoomRect(TRect{2100, 1100, 900, 900}));  // any corner order
    EXPECT_EQ(z.Zoom(), 6182);  // Round(1000 / 1200 * 25000 / 3.37)
    EXPECT_EQ(z.DisplayCenter(), (TPoint{1500, 1000}));
    EXPECT_TRUE(z.ZoomRect(TRect{5000, 5000, 5003, 5005}));
    EXPECT_EQ(z.Zoom(), MaxZoom);
    EXPECT_EQ(z.DisplayCenter(), (TPoint{5002, 5002}));  // 5000 + Round(1.5), 5000 + Round(2.5)
    EXPECT_TRUE(z.ZoomRect(TRect{-50000, -50000, 50000, 50000}));
    EXPECT_EQ(z.Zoom(), MinZoom);
    const TScrollBarState before = z.ScrollBarHorz();
    EXPECT_FALSE(z.ZoomRect(TRect{100, 100, 100, 900}));
    EXPECT_FALSE(z.ZoomRect(TRect{100, 100, 900, 100}));
    EXPECT_EQ(z.Zoom(), MinZoom);
    EXPECT_EQ(z.ScrollBarHorz().Position, before.Position);
    EXPECT_THROW(RectZoom(10, 10, 0, 5), std::invalid_argument);
}

TEST(ViewMapping, BestFitFramesWireAndBracket) {
    // The new design: wire from (10, 10) to (20, 10), right bracket at (20, 10).
    EXPECT_EQ(BestFitRect(TRect{10, 10, 20, 10}, TPointReal(20, 10)), (TRect{900, 900, 2100, 1100}));
    // A small rectangle gets 10 % margins.
    EXPECT_EQ(BestFitRect(TRect{10, 10, 12, 11}, TPointReal(11, 10.5)), (TRect{980, 990, 1220, 1110}));
    // A degenerate one gets 1 mm on every side.
    EXPECT_EQ(BestFitRect(TRect{15, 15, 15, 15}, TPointReal(15, 15)), (TRect{1400, 1400, 1600, 1600}));
    // The bracket widens the frame before the margins.
    EXPECT_EQ(BestFitRect(TRect{10, 10, 20, 10}, TPointReal(30, 5)), (TRect{800, 450, 3200, 1050}));
    EXPECT_THROW(BestFitRect(TRect{0, 0, 1, 1}, TPointReal(1e300, 0)), std::range_error);

    TViewMapping m = MakeView(673, 400, 2000);
    EXPECT_TRUE(m.ZoomRect(BestFitRect(TRect{10, 10, 20, 10}, TPointReal(20, 10))));
    EXPECT_EQ(m.DisplayCenter(), (TPoint{1500, 1000}));
    EXPECT_EQ(m.Zoom(), RectZoom(673, 400, 1200, 200));

    EXPECT_DOUBLE_EQ(TrueSizeScale(96.0), 378.0 / 10000.0);
    EXPECT_THROW(TrueSizeScale(0.0), std::invalid_argument);
}

TEST(ViewMapping, ZoomTool) {
    TViewMapping m = MakeView(1000, 800, 2000);
    m.ZoomCenterInDisplay(2000, 5000, 5000);
    // A drag to the upper left acts as a click: one step in, centred on the release point.
    m.ZoomToolRelease(TPoint{5000, 5000}, TPoint{4000, 4000}, TPoint{4100, 4200});
    EXPECT_EQ(m.Zoom(), 3000);
    EXPECT_EQ(m.DisplayCenter(), (TPoint{4100, 4200}));
    // A small signed extent (below 2 both ways) is a click too.
    m.ZoomToolRelease(TPoint{5000, 5000}, TPoint{5001, 5001}, TPoint{5001, 5001});
    EXPECT_EQ(m.Zoom(), 6000);
    // Dragging at least 2 units right (any height) zooms to the band.
    m.ZoomToolRelease(TPoint{3000, 3000}, TPoint{5400, 2600}, TPoint{5400, 2600});
    EXPECT_EQ(m.Zoom(), RectZoom(1000, 800, 2400, 400));
    EXPECT_EQ(m.DisplayCenter(), (TPoint{4200, 2800}));
    // A purely horizontal band has no height: nothing happens.
    const int before = m.Zoom();
    m.ZoomToolRelease(TPoint{3000, 3000}, TPoint{3500, 3000}, TPoint{3500, 3000});
    EXPECT_EQ(m.Zoom(), before);
    // The right button zooms out one step around the pressed point.
    m.ZoomToolOut(6000, 6000);
    EXPECT_EQ(m.Zoom(), NextZoomOut(before));
    EXPECT_EQ(m.DisplayCenter(), (TPoint{6000, 6000}));
}

}  // namespace
}  // namespace torvik
