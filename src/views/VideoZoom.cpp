#include "VideoZoom.h"

#include <cmath>

namespace {
// Rounding to the nearest integer, ties to even.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}
} // namespace

std::optional<TVideoZoom> ZoomToWidth(double width, QSize picture) {
    if (picture.width() <= 0 || picture.height() <= 0) {
        return std::nullopt;
    }
    int zoom = RoundEven(width * 100 / picture.width());
    zoom -= zoom % 2;
    const double factor = zoom / 100.0;
    return TVideoZoom{zoom, RoundEven(picture.height() * factor) + 4,
                      RoundEven(factor * picture.width()) + 4};
}

std::optional<TVideoZoom> ZoomToHeight(double height, QSize picture) {
    if (picture.width() <= 0 || picture.height() <= 0) {
        return std::nullopt;
    }
    return ZoomToWidth(RoundEven(double(picture.width()) / picture.height() * height), picture);
}
