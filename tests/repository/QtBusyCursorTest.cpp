// The hourglass as Qt's override cursor.

#include "QtBusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

TEST(QtBusyCursor, NestsAndRestoresTheCursorShownBefore) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    TQtBusyCursor busy;
    busy.Begin();
    busy.Begin();
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    busy.End();
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    busy.End();
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
