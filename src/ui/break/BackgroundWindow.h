#pragma once

#include <QImage>
#include <QRect>

#include <memory>

class BorderlessWindow;
class ImageView;
class PanelView;
class QColor;
class QScreen;
class WindowHints;

// The break's window on a screen other than the main one: the picture prepared for that
// screen, scaled to fill, under the theme's mask. It never takes the keyboard and is never
// reused: one per screen and break.
class BackgroundWindow
{
public:
    BackgroundWindow(QScreen* screen, const QImage& image, const QColor& mask, WindowHints* hints);
    ~BackgroundWindow();

    // Shows it over its screen and fades the content in.
    void show();
    void orderOut();

    QScreen* screen() const { return target; }
    BorderlessWindow* window() const { return win.get(); }
    ImageView* imageView() const { return picture; }
    QRect originRect;

private:
    QScreen* target;
    std::unique_ptr<BorderlessWindow> win;
    ImageView* picture = nullptr;
    PanelView* maskView = nullptr;
};
