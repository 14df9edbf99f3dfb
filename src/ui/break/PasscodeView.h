#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class DrawnButton;

enum class PasscodeViewError
{
    numberOnly = 0
};

// One dot of the passcode entry, drawn so that it reads on any picture and at any pixel ratio.
class PasscodeDot : public QWidget
{
    Q_OBJECT
public:
    enum class Look
    {
        empty,
        typed,
        warning
    };
    explicit PasscodeDot(QWidget* parent = nullptr);
    void setLook(Look look);
    Look look() const { return current; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look current = Look::empty;
};

// The passcode entry of the break overlay: a title, four dots and, while a fingerprint check
// runs, the fingerprint picture in their place; below them why a code was refused, and while the
// break still counts down, its time left and Cancel. It collects what is typed and says when four
// characters are there; checking them is the lock's.
class PasscodeView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int passcodeLength = 4;

    explicit PasscodeView(QWidget* parent = nullptr);

    QLabel* titleLabel = nullptr;
    QWidget* imagesContainer = nullptr;
    QLabel* fingerprintImgView = nullptr;
    // Says in words what the red dots say: the code was wrong.
    QLabel* messageLabel = nullptr;
    QLabel* timeLeftLabel = nullptr;
    DrawnButton* cancelButton = nullptr;
    std::function<void(PasscodeViewError)> didFailedBlock;
    std::function<void(const QString&)> didFinishedBlock;
    std::vector<PasscodeDot*> imageViews;
    QString typedString;
    bool showedWarning = false;
    bool dismissable = false;
    QString timeLeft;

    // A key while the lock is shown: Backspace drops the last character; a letter a–z or a
    // digit 0–9 of the main keyboard, by the character it types, is added lower-cased.
    // text is what the key typed, empty for keys that type nothing or carry Ctrl, Alt or Meta,
    // and for the keypad.
    void gotKey(int key, const QString& text);
    void reset();
    void updateImages();
    void showWarning();
    // A lock in front of Stop can be left for the countdown (Cancel, Escape); the one at a
    // break's end cannot.
    void setDismissable(bool dismissable);
    // The break's countdown, shown while the lock can be left; at the break's end a sentence
    // says what the lock is for.
    void setTimeLeft(const QString& time);
    // Lays the title, dots and picture out for the view's size.
    void layoutContent();
    // The character a typed text gives the passcode, none for anything else.
    static QChar passcodeCharacter(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
};
