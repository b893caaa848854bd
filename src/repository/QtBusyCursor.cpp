#include "QtBusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

void TQtBusyCursor::Begin() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void TQtBusyCursor::End() {
    QGuiApplication::restoreOverrideCursor();
}
