#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace pairon {

// The window grows by one factor, the zoom: every place and size of the
// layout, every font and the size every picture is drawn at are multiplied
// by it. At a zoom of 1 the window is exactly as laid out.

// The steps the zoom keys go through, in percent.
inline constexpr std::array<int, 7> kZoomSteps = {100, 125, 150, 175, 200, 250, 300};
inline constexpr int kSmallestZoom = 100;
inline constexpr int kLargestZoom = 300;
// A window made larger by hand, or maximised, can go past the largest step;
// its zoom is kept for the next start up to this, the largest of three digits.
inline constexpr int kLargestKeptZoom = 999;

// A place in pixels.
struct PixelPlace {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelPlace&) const = default;
};

// Layout units to pixels at `zoom`: each edge rounded to the nearest pixel,
// so controls that meet in the layout still meet, and at a zoom of 1 exactly
// ToPixels().
int ZoomedPixels(int units, double zoom);
PixelPlace ZoomedPlace(int left, int top, int width, int height, double zoom);
// A size given in pixels at a zoom of 1.
int ZoomedSize(int pixels, double zoom);

// The size of a font of `points` at `zoom`: the zoomed size, down to whole
// pixels (at 96 dots per inch), as hinted text is laid out in whole pixels.
// Text then grows no faster than the boxes around it, which grow by the zoom.
double ZoomedPoints(double points, double zoom);

// The zoom at which the laid-out client area (`width` x `height` pixels at a
// zoom of 1) fits a client area of `roomWidth` x `roomHeight`, never below 1.
double FittingZoom(int width, int height, int roomWidth, int roomHeight);

// How far in from the client area's top-left corner the zoomed layout lies,
// so that the room left over is shared evenly between the two sides.
int CentringMargin(int room, int used);

// The next zoom step after `percent`, up (`direction` > 0) or down, no larger
// than `largest`; `percent` itself when there is none. From a zoom between
// two steps (a resized window) the next step is the nearest one that way.
int NextZoomStep(int percent, int direction, int largest);

// The largest step at which a window of `width` x `height` pixels at a zoom
// of 1, with `frameWidth` x `frameHeight` pixels of frame around it, fits an
// area of `roomWidth` x `roomHeight`; never below 100.
int LargestFittingStep(int width, int height, int frameWidth, int frameHeight, int roomWidth, int roomHeight);

// The largest whole percent, up to kLargestKeptZoom, at which a window of
// `width` x `height` pixels at a zoom of 1, with `frameWidth` x `frameHeight`
// pixels of frame around it, fits an area of `roomWidth` x `roomHeight`;
// never below 100.
int LargestFittingPercent(int width, int height, int frameWidth, int frameHeight, int roomWidth, int roomHeight);

// A remembered zoom: plain digits, a percent from 100 to kLargestKeptZoom,
// any zoom the game keeps; nothing for anything else.
std::optional<int> ReadZoomPercent(std::string_view text);

// The zoom kept for a window at `percent`: within what ReadZoomPercent()
// reads back.
int KeptZoomPercent(int percent);

}  // namespace pairon
