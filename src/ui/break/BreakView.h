#pragma once

#include <QWidget>

#include <functional>

class CountdownLabel;
class ImageView;
class PanelView;
class PasscodeView;
class DrawnButton;
class QLabel;

// The root view of the break overlay: the wallpaper, its mask, the content (title, countdown
// and the two button rows), the passcode place and the photo credit. It takes every key press
// and hands the key to didPressKeyBlock, nothing else. text is what the key typed, left empty
// for keys of the keypad and keys pressed with Ctrl, Alt or Meta.
class BreakView : public QWidget
{
    Q_OBJECT
public:
    explicit BreakView(QWidget* parent = nullptr);

    std::function<void(int key, const QString& text)> didPressKeyBlock;

    ImageView* imgBgView = nullptr;
    PanelView* maskView = nullptr;
    QWidget* containerView = nullptr;
    QLabel* titleLabel = nullptr;
    // The break's name over the countdown.
    QLabel* kindLabel = nullptr;
    CountdownLabel* timeLabel = nullptr;
    QWidget* countDownButtonContainer = nullptr;
    DrawnButton* stopTimerButton = nullptr;
    // In Stop's place when the break cannot be ended early: why, and where that is set.
    QLabel* noStopLabel = nullptr;
    QWidget* backToWorkButtonContainer = nullptr;
    DrawnButton* backToWorkCloseButton = nullptr;
    DrawnButton* backToWorkNextButton = nullptr;
    // The passcode entry, shown while the break is locked.
    PasscodeView* passcodeView = nullptr;
    QLabel* fingerprintImgView = nullptr;
    QLabel* authorLabel = nullptr;

    // The dimming over the picture. It is composed into the picture once, so that repainting
    // the countdown every second copies a few pixels instead of blending a screen's worth.
    void setMaskColor(const QColor& color);
    // Whether a quote takes the upper half: the content then sits below it, else centred.
    void setQuoteShowing(bool showing);
    // Lays the content out again, after its texts or rows changed.
    void layoutContent();
    // What a popover at the anchor hides whole: the title and the countdown above it.
    QSize coverAbove(QWidget* anchor) const;
    // The text scale for this size: 1 at 1440×900.
    static double scaleFor(const QSize& size);

Q_SIGNALS:
    void frameChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool quoteShowing = false;
};
