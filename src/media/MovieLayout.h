#pragma once
// Where the video picture goes inside the player panel: the sizing modes, zoom and scroll
// bars. A pure function, so that every case can be checked without a player.

#include <QRect>
#include <QSize>

enum class TDisplaySize { mpDefaultSize, mpHalfSize, mpDoubleSize, mpFitToSize, mpCustomSize };

struct TMovieLayoutInput {
    QSize panel;   // client size of the panel
    QSize picture; // size of the video picture in pixels; 0 without video
    bool componentVisible = true;
    bool pictureShown = true; // false when there is no video and no logo to show
    bool open = false;
    bool controlsShown = false;
    TDisplaySize displaySize = TDisplaySize::mpDefaultSize;
    int zoomSize = 100;
    bool showScrollBars = true;
    int scrollBarsThickness = 16;
    // Scroll positions as fractions of their range; 0.5 is centred.
    double scrollX = 0.5;
    double scrollY = 0.5;
};

struct TScrollBarLayout {
    bool visible = false;
    QRect bounds;
    int maximum = 0;
    int value = 0;
    int singleStep = 1;
    int pageStep = 1;
};

struct TMovieLayout {
    // False: the picture panel is moved out of sight.
    bool pictureVisible = true;
    QRect picture;
    TScrollBarLayout horizontal;
    TScrollBarLayout vertical;
    bool cornerVisible = false;
    QRect corner;
};

TMovieLayout LayoutMovie(const TMovieLayoutInput& input);
