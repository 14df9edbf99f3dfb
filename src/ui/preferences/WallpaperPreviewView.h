#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <optional>

class LoadingIndicator;
class QLabel;

// The break as it will look: the picture cropped to fill the view, dimmed by a 50 % black
// mask, with the break's title and countdown over it and a spinner while no picture is there.
class WallpaperPreviewView : public QWidget
{
    Q_OBJECT
public:
    explicit WallpaperPreviewView(QWidget* parent = nullptr);

    void setImage(const std::optional<QImage>& image);
    // Words in place of a picture that cannot be shown (the spinner stops); empty clears them.
    void setMessage(const QString& message);
    bool hasImage() const { return !source.isNull(); }

    QSize sizeHint() const override { return {360, 203}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width * 9 / 16; }

    LoadingIndicator* loadingIndicator = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* timeLabel = nullptr;
    QLabel* messageLabel = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage source;
    QPixmap cropped;
};
