#pragma once
// Paints the current video frame. The picture panel of the player and its full-screen
// window are both surfaces.

#include <QVideoFrame>
#include <QWidget>

#include <functional>

class TVideoSurface final : public QWidget {
    Q_OBJECT
public:
    // How the surface sizes the picture itself; the player panel usually sizes the surface
    // to the picture and lets it fill it.
    enum class TSizing { Default, Half, Double, Fit };

    explicit TVideoSurface(QWidget* parent = nullptr);

    void SetFrame(const QVideoFrame& frame);
    void SetSizing(TSizing sizing);
    void SetLogo(bool shown);

    std::function<void()> OnClick;
    std::function<void(int key)> OnKey;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect PictureRect() const;

    QVideoFrame m_frame;
    TSizing m_sizing = TSizing::Fit;
    bool m_logo = true;
};
