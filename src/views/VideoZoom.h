#pragma once
// How the video pane fits a picture to a width: an even zoom percentage, and the sizes of the
// pane's two panels, each 4 pixels larger than the picture for their bevels.

#include <QSize>

#include <optional>

struct TVideoZoom {
    int zoom;       // percent, even
    int topHeight;  // the panel above the clip list
    int panelWidth; // the panel that holds the picture
};

// None while the picture size is unknown (no video open).
std::optional<TVideoZoom> ZoomToWidth(double width, QSize picture);
// The width at which the picture takes the given height.
std::optional<TVideoZoom> ZoomToHeight(double height, QSize picture);
