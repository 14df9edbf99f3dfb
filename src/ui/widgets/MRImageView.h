#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// Shows an image scaled to fill the view, both axes independently. The scaled copy is made
// once per size, not on every paint.
class MRImageView : public QWidget
{
    Q_OBJECT
public:
    explicit MRImageView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return source; }

Q_SIGNALS:
    // The first paint after setImage() has put a picture on screen.
    void imageShown();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage source;
    QPixmap scaled;
    bool announced = false;
};
