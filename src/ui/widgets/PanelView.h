#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <optional>

class QMouseEvent;

// A plain view that can carry a background colour, a border and rounded corners, report a
// mouse-up inside itself and, when asked, move its window by dragging.
class PanelView : public QWidget
{
    Q_OBJECT
public:
    explicit PanelView(QWidget* parent = nullptr);

    std::function<void()> willUpdateLayerBlock;
    std::function<void(QMouseEvent*)> mouseUpInsideBlock;
    bool canMoveWindow = false;

    std::optional<QColor> backgroundColor() const { return background; }
    void setBackgroundColor(std::optional<QColor> color);
    double borderWidth() const { return border; }
    void setBorderWidth(double width);
    std::optional<QColor> borderColor() const { return borderTint; }
    void setBorderColor(std::optional<QColor> color);
    double cornerRadius() const { return radius; }
    void setCornerRadius(double value);
    bool masksToBounds() const { return masks; }
    void setMasksToBounds(bool value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<QColor> background;
    std::optional<QColor> borderTint;
    double border = 0;
    double radius = 0;
    bool masks = false;
    std::optional<QPoint> dragOffset;
};
