#pragma once
// Colours the views share beyond the palette's.

#include <QColor>

// The count boxes and the value marks: the classic desktop's inactive caption text colour.
inline QColor InactiveCaptionTextColour() {
    return QColor(192, 192, 192);
}
