#include "SplashForm.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int StripWidth = 14;
const QColor LogoBlue(0x1f, 0x4e, 0x8c);
const QColor PitchGreen(0x2e, 0x7d, 0x32);

// A strip of film: dark, with a column of sprocket holes.
QPixmap FilmStrip(int width, int height) {
    QPixmap strip(width, height);
    strip.fill(QColor(0x26, 0x26, 0x26));
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf0, 0xf0, 0xf0));
    for (int y = 4; y + 6 <= height; y += 12) {
        painter.drawRoundedRect(QRectF(width / 2.0 - 3, y, 6, 6), 1.5, 1.5);
    }
    return strip;
}

QLabel* TextLine(const QString& name, const QString& text, int pixelSize, bool bold,
                 QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setAlignment(Qt::AlignHCenter);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: black; background: white;"));
    return label;
}

} // namespace

QPixmap ClipwiseLogo(int size) {
    QPixmap logo(size, size);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // As desktop/clipwise.svg draws it: the rounded tile with a pitch's halfway line and centre
    // circle.
    painter.setPen(Qt::NoPen);
    painter.setBrush(PitchGreen);
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    painter.setPen(QPen(QColor(0xab, 0xcf, 0xad), s * 0.035));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(s / 2, s * 0.06), QPointF(s / 2, s * 0.94));
    painter.drawEllipse(QPointF(s / 2, s / 2), s * 0.29, s * 0.29);
    // The play button in the middle.
    painter.setPen(Qt::NoPen);
    painter.setBrush(LogoBlue);
    painter.drawEllipse(QPointF(s / 2, s / 2), s * 0.21, s * 0.21);
    QPainterPath triangle;
    triangle.moveTo(s * 0.43, s * 0.38);
    triangle.lineTo(s * 0.625, s * 0.5);
    triangle.lineTo(s * 0.43, s * 0.62);
    triangle.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(triangle);
    return logo;
}

TSplashForm::TSplashForm(const QString& productName, const QString& notice, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setAccessibleName(productName);
    setFixedSize(ClientWidth, ClientHeight);
    // The thin black line along the top and bottom edge is the window's own background.
    setStyleSheet(QStringLiteral("TSplashForm { background: black; }"));
    setAttribute(Qt::WA_StyledBackground);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(0);

    auto strip = [this](const QString& name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setAccessibleName(QStringLiteral("Film strip"));
        label->setPixmap(FilmStrip(StripWidth, ClientHeight - 2));
        label->setFixedWidth(StripWidth);
        return label;
    };
    row->addWidget(strip(QStringLiteral("LeftStrip")));

    auto* middle = new QWidget(this);
    middle->setObjectName(QStringLiteral("MiddlePanel"));
    middle->setAutoFillBackground(true);
    QPalette palette = middle->palette();
    palette.setColor(QPalette::Window, Qt::white);
    middle->setPalette(palette);
    auto* column = new QVBoxLayout(middle);
    column->setContentsMargins(4, 12, 4, 8);
    column->setSpacing(2);

    auto* logo = new QLabel(middle);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setAccessibleName(productName + QStringLiteral(" logo"));
    logo->setPixmap(ClipwiseLogo(48));
    logo->setAlignment(Qt::AlignHCenter);
    column->addWidget(logo);
    column->addWidget(
        TextLine(QStringLiteral("MakerLabel"), QStringLiteral("Velmora"), 13, true, middle));
    column->addWidget(TextLine(QStringLiteral("ProductLabel"), productName, 37, false, middle));
    auto* noticeLabel = TextLine(QStringLiteral("NoticeLabel"), notice, 8, false, middle);
    noticeLabel->setWordWrap(true);
    column->addWidget(noticeLabel);
    column->addStretch(1);
    column->addWidget(TextLine(QStringLiteral("LoadingLabel"),
                               QStringLiteral("Loading, please wait ..."), 10, false, middle));
    row->addWidget(middle, 1);
    row->addWidget(strip(QStringLiteral("RightStrip")));

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(ClientWidth / 2, ClientHeight / 2));
    }
    show();
}

void TSplashForm::PaintNow() {
    repaint();
    QApplication::processEvents();
}
