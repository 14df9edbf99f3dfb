#pragma once

#include <QTimer>
#include <QWidget>

// A spinning arc, turning only while it is visible.
class LoadingIndicator : public QWidget
{
    Q_OBJECT
public:
    explicit LoadingIndicator(QWidget* parent = nullptr);

    void startAnimation()
    {
        animating = true;
        syncTimer();
    }
    bool isAnimating() const { return animating && timer.isActive(); }
    QSize sizeHint() const override { return {32, 32}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void syncTimer();

    QTimer timer;
    int angle = 0;
    bool animating = false;
};
