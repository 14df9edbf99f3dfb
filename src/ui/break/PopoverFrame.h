#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QPainterPath;

// The popup window of a popover: a bubble with an arrow pointing down at its anchor, drawn over
// a softened copy of what lies behind it (so it needs no compositor).
class PopoverFrame : public QWidget
{
    Q_OBJECT
public:
    PopoverFrame(QWidget* window, QWidget* content, const QColor& tint);

    std::function<void()> willShow;
    std::function<void()> willClose;

    // Places the bubble above anchor's top edge, inside the anchor's screen, and shows it.
    void popUp(QWidget* anchor);
    int arrowHeight() const { return arrow; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPainterPath bubble() const;

    QWidget* owner;
    QWidget* content;
    QColor tint;
    QImage behind;
    QImage softened;
    int arrow = 10;
    int arrowX = 0;
    bool closing = false;
};
