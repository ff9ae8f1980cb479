#include "window/zoom.h"

#include <algorithm>
#include <cmath>

#include "game/window_layout.h"

namespace pairon {

int ZoomedPixels(int units, double zoom) {
    if (zoom == 1.0) return ToPixels(units);
    return static_cast<int>(std::lround(units * zoom / kUnitsPerPixel));
}

PixelPlace ZoomedPlace(int left, int top, int width, int height, double zoom) {
    const int x = ZoomedPixels(left, zoom);
    const int y = ZoomedPixels(top, zoom);
    return {x, y, ZoomedPixels(left + width, zoom) - x, ZoomedPixels(top + height, zoom) - y};
}

int ZoomedSize(int pixels, double zoom) { return static_cast<int>(std::lround(pixels * zoom)); }

double ZoomedPoints(double points, double zoom) {
    if (zoom == 1.0) return points;
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    return std::floor(points * kPixelsPerPoint * zoom + 1e-9) / kPixelsPerPoint;
}

double FittingZoom(int width, int height, int roomWidth, int roomHeight) {
    if (width <= 0 || height <= 0) return 1.0;
    const double zoom = std::min(static_cast<double>(roomWidth) / width, static_cast<double>(roomHeight) / height);
    return std::max(1.0, zoom);
}

int CentringMargin(int room, int used) { return room > used ? (room - used) / 2 : 0; }

int NextZoomStep(int percent, int direction, int largest) {
    if (direction > 0) {
        for (int step : kZoomSteps) {
            if (step > percent && step <= largest) return step;
        }
        // Past the largest step that fits, the window can still be made to fit.
        return percent;
    }
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it) {
        if (*it < percent) return std::min(*it, std::max(largest, kSmallestZoom));
    }
    return percent;
}

int LargestFittingStep(int width, int height, int frameWidth, int frameHeight, int roomWidth, int roomHeight) {
    int largest = kSmallestZoom;
    for (int step : kZoomSteps) {
        const double zoom = step / 100.0;
        if (ZoomedSize(width, zoom) + frameWidth <= roomWidth && ZoomedSize(height, zoom) + frameHeight <= roomHeight) {
            largest = step;
        }
    }
    return largest;
}

int LargestFittingPercent(int width, int height, int frameWidth, int frameHeight, int roomWidth, int roomHeight) {
    for (int percent = kLargestKeptZoom; percent > kSmallestZoom; --percent) {
        const double zoom = percent / 100.0;
        if (ZoomedSize(width, zoom) + frameWidth <= roomWidth && ZoomedSize(height, zoom) + frameHeight <= roomHeight) {
            return percent;
        }
    }
    return kSmallestZoom;
}

std::optional<int> ReadZoomPercent(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < kSmallestZoom || value > kLargestKeptZoom) return std::nullopt;
    return value;
}

int KeptZoomPercent(int percent) { return std::clamp(percent, kSmallestZoom, kLargestKeptZoom); }

}  // namespace pairon
