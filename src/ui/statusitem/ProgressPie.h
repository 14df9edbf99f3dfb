#pragma once

#include <QColor>
#include <QImage>

// Draws the progress pie and the status icons. The tray does not tint icons as a template,
// so every icon is drawn in the colour that reads on the panel (light on dark panels).
class ProgressPie
{
public:
    explicit ProgressPie(double progress = 0.0) : progress(progress) {}

    double progress = 0.0;

    // The sector from twelve o'clock, clockwise, in a w×h box.
    void draw(class QPainter& painter, const QRectF& bounds, const QColor& color) const;
};

namespace StatusIcons {
// The plain glyph ("StatusItem").
QImage plainIcon(const QColor& color, qreal devicePixelRatio = 2.0);
// A 20×20 point pie icon: a ring with the progress sector inside.
QImage pieIcon(double progress, const QColor& color, qreal devicePixelRatio = 2.0);
// After a stopped break, until the next Pomodoro: a ring with a play mark.
QImage reminderIcon(const QColor& color, qreal devicePixelRatio = 2.0);
// A paused Pomodoro: a pause mark in the ring, the time gone as an arc over it.
QImage pausedIcon(double progress, const QColor& color, qreal devicePixelRatio = 2.0);
// The minutes left in the ring (where a tray shows no text beside its icon), with the time gone
// as an arc over the ring when progress is positive.
QImage minutesIcon(int minutes, double progress, const QColor& color, qreal devicePixelRatio = 2.0);
// White for dark panels, near-black for light ones; every icon has an outline of the other.
QColor iconColor(bool darkMode);
} // namespace StatusIcons
