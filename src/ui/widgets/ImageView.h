#pragma once

#include <QImage>
#include <QWidget>

// Shows an image scaled to fill the view, both axes independently, optionally under a tint.
// The scaled and tinted copy is made once per size, not on every paint: a repaint of part of
// the view (a countdown over it) is then a plain copy, which stays on the painting thread.
class ImageView : public QWidget
{
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    // The picture: as given until it is first shown, then as shown (scaled, tint included).
    const QImage& image() const;
    bool imageIsTinted() const { return tinted; }
    // A colour laid over the picture, composed into it once.
    void setTint(const QColor& color);
    QColor tint() const { return tintColor; }

Q_SIGNALS:
    // The first paint after setImage() has put a picture on screen.
    void imageShown();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void compose(const QSize& pixels, qreal ratio);

    QImage source;
    QImage shown;
    bool tinted = false;
    QColor tintColor = Qt::transparent;
    bool announced = false;
};
