#include "VideoSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

TVideoSurface::TVideoSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void TVideoSurface::SetFrame(const QVideoFrame& frame) {
    m_frame = frame;
    update();
}

void TVideoSurface::SetSizing(TSizing sizing) {
    m_sizing = sizing;
    update();
}

void TVideoSurface::SetLogo(bool shown) {
    m_logo = shown;
    update();
}

QRect TVideoSurface::PictureRect() const {
    QSize size = m_frame.size();
    switch (m_sizing) {
    case TSizing::Default:
        break;
    case TSizing::Half:
        size /= 2;
        break;
    case TSizing::Double:
        size *= 2;
        break;
    case TSizing::Fit:
        size.scale(this->size(), Qt::KeepAspectRatio);
        break;
    }
    return QRect((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
                 size.height());
}

void TVideoSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isValid()) {
        QVideoFrame::PaintOptions options;
        options.aspectRatioMode = Qt::IgnoreAspectRatio;
        m_frame.paint(&painter, PictureRect(), options);
        return;
    }
    if (m_logo && width() > 8 && height() > 8) {
        // A play mark stands in for the picture while there is none.
        const int side = std::min(width(), height()) / 3;
        const QPointF centre = QRectF(rect()).center();
        QPainterPath mark;
        mark.moveTo(centre + QPointF(-side / 2.0, -side / 2.0));
        mark.lineTo(centre + QPointF(side / 2.0, 0));
        mark.lineTo(centre + QPointF(-side / 2.0, side / 2.0));
        mark.closeSubpath();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(mark, QColor(90, 90, 90));
    }
}

void TVideoSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick) {
        OnClick();
    }
}

void TVideoSurface::keyPressEvent(QKeyEvent* event) {
    if (OnKey) {
        OnKey(event->key());
        return;
    }
    QWidget::keyPressEvent(event);
}
