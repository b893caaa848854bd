// The splash window: its size, place and texts, visible from creation until destroyed.

#include "SplashForm.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString Text(const QWidget& form, const char* name) {
    const auto* label = form.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<none>");
}

TEST(SplashForm, ShowsItsTextsCentredWhileItExists) {
    auto splash = std::make_unique<TSplashForm>("Clipwise", "Copyright © 2007 Velmora");
    splash->PaintNow();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->size(), QSize(201, 224));
    const QPoint offCentre = splash->geometry().center() -
                             QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);

    EXPECT_EQ(Text(*splash, "MakerLabel"), "Velmora");
    EXPECT_EQ(Text(*splash, "ProductLabel"), "Clipwise");
    EXPECT_EQ(Text(*splash, "NoticeLabel"), "Copyright © 2007 Velmora");
    EXPECT_EQ(Text(*splash, "LoadingLabel"), "Loading, please wait ...");
    const auto* product = splash->findChild<QLabel*>("ProductLabel");
    EXPECT_EQ(product->font().pixelSize(), 37);
    EXPECT_EQ(product->font().family(), "Verdana");
    for (const char* picture : {"Logo", "LeftStrip", "RightStrip"}) {
        const auto* label = splash->findChild<QLabel*>(QLatin1String(picture));
        ASSERT_NE(label, nullptr) << picture;
        EXPECT_FALSE(label->pixmap().isNull()) << picture;
        EXPECT_FALSE(label->accessibleName().isEmpty()) << picture;
    }
    // Every text fits the small window.
    for (const QLabel* label : splash->findChildren<QLabel*>()) {
        EXPECT_LE(label->sizeHint().width(), 201) << label->objectName().toStdString();
    }

    const QImage shot = splash->grab().toImage();
    // The black line at the top, white in the middle panel.
    EXPECT_EQ(shot.pixelColor(100, 0), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(100, 223), QColor(Qt::black));

    splash.reset();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_NE(window->objectName(), "SplashForm");
    }
}

} // namespace
