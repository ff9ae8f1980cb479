#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game/window_layout.h"
#include "window/zoom.h"

namespace pairon {
namespace {

TEST(WindowZoom, StepsStayWithinTheScreenAndPlacesMeetAtEveryZoom) {
    // Up and down from a step, from between two steps (a resized window),
    // and against the largest step the screen holds.
    struct Step {
        int from, direction, largest, to;
    };
    for (const Step& s : {Step{100, +1, 300, 125}, Step{175, +1, 300, 200}, Step{250, +1, 300, 300},
                          Step{300, +1, 300, 300}, Step{150, +1, 150, 150}, Step{183, +1, 300, 200},
                          Step{183, -1, 300, 175}, Step{125, -1, 300, 100}, Step{100, -1, 300, 100},
                          Step{300, -1, 175, 175}, Step{183, +1, 175, 183}}) {
        EXPECT_EQ(NextZoomStep(s.from, s.direction, s.largest), s.to)
            << s.from << (s.direction > 0 ? " up" : " down") << ", largest " << s.largest;
    }

    // 792 x 573 with a 2 x 25 pixel frame on 1920 x 1050 (1080 less a panel):
    // 175 percent is 1386 x 1003 and fits; 200 percent is 1146 high.
    EXPECT_EQ(LargestFittingStep(792, 573, 2, 25, 1920, 1050), 175);
    EXPECT_EQ(LargestFittingStep(792, 573, 2, 25, 3840, 2160), 300);
    EXPECT_EQ(LargestFittingStep(792, 573, 2, 25, 800, 600), 100);
    EXPECT_EQ(LargestFittingStep(792, 573, 2, 25, 640, 480), 100) << "never below 100";

    EXPECT_DOUBLE_EQ(FittingZoom(792, 573, 1188, 860), 1.5);
    EXPECT_DOUBLE_EQ(FittingZoom(792, 573, 1920, 1030), 1030.0 / 573);
    EXPECT_DOUBLE_EQ(FittingZoom(792, 573, 700, 500), 1.0);
    EXPECT_EQ(CentringMargin(1920, 1440), 240);
    EXPECT_EQ(CentringMargin(792, 792), 0);

    for (double zoom : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 1030.0 / 573}) {
        // At 1 exactly the layout's pixels; at any zoom the card slots of a
        // row meet their neighbours' spacing exactly, and a 10 x 5 board
        // keeps its margins within a pixel.
        if (zoom == 1.0) {
            EXPECT_EQ(ZoomedPlace(2640, 240, 8775, 6495, zoom), (PixelPlace{176, 16, 585, 433}));
        }
        const PixelPlace first = ZoomedPlace(240, 360, 735, 1095, zoom);
        const PixelPlace next = ZoomedPlace(240 + 840, 360, 735, 1095, zoom);
        EXPECT_NEAR(next.left - first.left, 56 * zoom, 1) << zoom;
        EXPECT_NEAR(first.width, 49 * zoom, 1) << zoom;
        const PixelPlace panel = ZoomedPlace(2640, 240, 8775, 6495, zoom);
        EXPECT_EQ(panel.left + panel.width, ZoomedPixels(2640 + 8775, zoom)) << zoom;
        // A font grows to the whole pixel at or below its zoomed size.
        const double pixels = ZoomedPoints(8.25, zoom) * 96 / 72;
        EXPECT_LE(pixels, 11 * zoom + 1e-9) << zoom;
        EXPECT_GT(pixels, 11 * zoom - 1) << zoom;
        EXPECT_DOUBLE_EQ(pixels, static_cast<int>(pixels + 1e-9)) << zoom;
    }

    for (const auto& [text, zoom] : std::initializer_list<std::pair<std::string, std::optional<int>>>{
             {"100", 100}, {"150", 150}, {"183", 183}, {"300", 300}, {"99", std::nullopt}, {"366", 366},
             {"999", 999},
             {"", std::nullopt}, {"+150", std::nullopt}, {"150%", std::nullopt}, {"1500", std::nullopt}}) {
        EXPECT_EQ(ReadZoomPercent(text), zoom) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace pairon
