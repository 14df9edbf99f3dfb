#pragma once

#include <QPoint>
#include <QRect>

#include <functional>

class QWidget;

// The overlay's three view animations, ease-in-ease-out. None changes the view for good: when
// an animation ends its effect is removed and the view shows its normal state again.
// Offsets are in the widget's coordinates (y grows downwards).
namespace ChromeService {

// Opacity 0 → 1.
void fadeIn(QWidget* view, double seconds, std::function<void()> completion = {});
// Opacity 1 → 0.
void fadeOut(QWidget* view, double seconds);
// Translation from one offset of the view's place to another.
void move(QWidget* view, QPoint from, QPoint to, double seconds);

// Where the desktop asks for less motion every animation takes no time: views appear, leave
// and arrive at once, and completions still run.
void setReducedMotion(bool reduced);
bool reducedMotion();

// Lays a view out at geometry; a move running on it goes on from the new place.
void setGeometry(QWidget* view, const QRect& geometry);

// Runs the animations begun inside `animations` as one transaction: completion runs when the
// last of them has ended and before any of them is removed, so a window ordered out there
// disappears before its views snap back.
void transaction(const std::function<void()>& animations, std::function<void()> completion);

} // namespace ChromeService
