#pragma once

#include <QFrame>

// A panel that groups related rows: the view's base colour with a one-pixel border, a
// little lighter while the pointer is over it.
class PreferencesWhiteBgView : public QFrame
{
    Q_OBJECT
public:
    explicit PreferencesWhiteBgView(QWidget* parent = nullptr);

    bool enableHoverState = true;
    bool isHovering() const { return hovering; }

    QColor bgColor() const;
    QColor hoveringColor() const;
    QColor borderColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hovering = false;
};
