#include "MovieLayout.h"

#include <QtGlobal>

#include <algorithm>

namespace {

int Offset(int freeSpace, double fraction) {
    return qRound(freeSpace * fraction);
}

QRect Placed(const QSize& panel, const QSize& size, double fx = 0.5, double fy = 0.5) {
    return {Offset(panel.width() - size.width(), fx), Offset(panel.height() - size.height(), fy),
            size.width(), size.height()};
}

// The largest picture of the video's aspect ratio that fits the panel. Choosing the side by
// comparing aspect ratios (rather than the free space) keeps the picture inside the panel.
QRect Fitted(const QSize& panel, const QSize& picture) {
    const double ratio = static_cast<double>(picture.height()) / picture.width();
    QSize size;
    if (static_cast<qint64>(panel.width()) * picture.height() <=
        static_cast<qint64>(panel.height()) * picture.width()) {
        size = QSize(panel.width(), qRound(ratio * panel.width()));
    } else {
        size = QSize(qRound(panel.height() / ratio), panel.height());
    }
    return Placed(panel, size);
}

TScrollBarLayout ScrollBar(int extent, int viewport, double fraction) {
    TScrollBarLayout bar;
    bar.visible = true;
    bar.maximum = extent - viewport;
    bar.value = qRound(std::clamp(fraction, 0.0, 1.0) * bar.maximum);
    bar.singleStep = std::max(1, qRound(extent / 50.0));
    bar.pageStep = std::max(1, qRound(extent / 10.0));
    return bar;
}

TMovieLayout Custom(const TMovieLayoutInput& in) {
    const QSize size(qRound(in.picture.width() * in.zoomSize / 100.0),
                     qRound(in.picture.height() * in.zoomSize / 100.0));
    TMovieLayout out;
    if (!in.showScrollBars) {
        out.picture = Placed(in.panel, size, in.scrollX, in.scrollY);
        return out;
    }
    // A bar along one edge takes room from the other direction, so settle both together.
    const int t = in.scrollBarsThickness;
    bool horizontal = false;
    bool vertical = false;
    for (int pass = 0; pass < 2; ++pass) {
        horizontal = size.width() > in.panel.width() - (vertical ? t : 0);
        vertical = size.height() > in.panel.height() - (horizontal ? t : 0);
    }
    const int viewWidth = in.panel.width() - (vertical ? t : 0);
    const int viewHeight = in.panel.height() - (horizontal ? t : 0);
    int x = Offset(viewWidth - size.width(), 0.5);
    int y = Offset(viewHeight - size.height(), 0.5);
    if (horizontal) {
        out.horizontal = ScrollBar(size.width(), viewWidth, in.scrollX);
        out.horizontal.bounds = QRect(0, viewHeight, viewWidth, t);
        x = -out.horizontal.value;
    }
    if (vertical) {
        out.vertical = ScrollBar(size.height(), viewHeight, in.scrollY);
        out.vertical.bounds = QRect(viewWidth, 0, t, viewHeight);
        y = -out.vertical.value;
    }
    if (horizontal && vertical) {
        out.cornerVisible = true;
        out.corner = QRect(viewWidth, viewHeight, t, t);
    }
    out.picture = QRect(x, y, size.width(), size.height());
    return out;
}

} // namespace

TMovieLayout LayoutMovie(const TMovieLayoutInput& in) {
    TMovieLayout out;
    if (!in.componentVisible || !in.pictureShown) {
        out.pictureVisible = false;
        out.picture = QRect(-in.panel.width() - 1, -in.panel.height() - 1, in.panel.width(),
                            in.panel.height());
        return out;
    }
    const int w = in.picture.width();
    const int h = in.picture.height();
    if (!in.open || in.controlsShown || w <= 0 || h <= 0) {
        out.picture = QRect(QPoint(0, 0), in.panel);
        return out;
    }
    QSize size;
    switch (in.displaySize) {
    case TDisplaySize::mpDefaultSize:
        size = QSize(w, h);
        break;
    case TDisplaySize::mpHalfSize:
        size = QSize(w / 2, h / 2);
        break;
    case TDisplaySize::mpDoubleSize:
        size = QSize(2 * w, 2 * h);
        break;
    case TDisplaySize::mpFitToSize:
        out.picture = Fitted(in.panel, in.picture);
        return out;
    case TDisplaySize::mpCustomSize:
        return Custom(in);
    }
    if (size.width() > in.panel.width() || size.height() > in.panel.height()) {
        out.picture = Fitted(in.panel, in.picture);
    } else {
        out.picture = Placed(in.panel, size);
    }
    return out;
}
