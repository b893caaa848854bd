#pragma once
// The start-up window: a white middle panel with the logo, the maker, the product name, the
// notice line and "Loading, please wait ...", between two narrow film strips. Visible from its
// creation on; the start-up destroys it once the first document is open.

#include <QWidget>

class TSplashForm final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 201;
    static constexpr int ClientHeight = 224;

    TSplashForm(const QString& productName, const QString& notice, QWidget* parent = nullptr);

    // Lets the event loop paint the splash once, before the start-up goes on without it.
    void PaintNow();
};

// The product's emblem, as the splash shows it: a play button over a pitch.
QPixmap ClipwiseLogo(int size);
