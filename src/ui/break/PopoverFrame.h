#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QPainterPath;

// The popup window of a popover: a bubble with an arrow pointing at its anchor, drawn over a
// softened copy of what lies behind it (so it needs no compositor).
class PopoverFrame : public QWidget
{
    Q_OBJECT
public:
    PopoverFrame(QWidget* window, QWidget* content, const QColor& tint);

    std::function<void()> willShow;
    std::function<void()> willClose;

    // Which side of the bubble points at the anchor.
    enum class Edge
    {
        top,
        left,
        bottom
    };

    // Places the bubble below the anchor, inside the anchor's screen, so that what is above the
    // anchor (the break's countdown) stays visible; beside it, or above it, when there is no
    // room below. Then shows it.
    void popUp(QWidget* anchor);
    int arrowHeight() const { return arrow; }
    Edge arrowEdge() const { return edge; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPainterPath bubble() const;
    // The bubble without its arrow.
    QRectF bodyRect() const;

    QWidget* owner;
    QWidget* content;
    QColor tint;
    QImage behind;
    QImage softened;
    int arrow = 10;
    // Along the edge the arrow is on: x for top and bottom, y for left.
    int arrowAt = 0;
    Edge edge = Edge::bottom;
    bool closing = false;
};
