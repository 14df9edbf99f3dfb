#pragma once

#include <QDialog>

#include <functional>

class Preferences;
class QLabel;
class QLineEdit;
class QPushButton;

// The small dialog that sets the passcode of the break lock: the passcode twice, four letters
// or digits (the characters the overlay can take), stored as the digest of its lower-case
// text. Any way out but Confirm (Cancel, Escape, the window's close button) runs
// didCancelBlock.
class SetPasscodeViewController : public QDialog
{
    Q_OBJECT
public:
    explicit SetPasscodeViewController(Preferences& preferences, QWidget* parent = nullptr);

    QLineEdit* passcodeLabel = nullptr;
    QLineEdit* verifyLabel = nullptr;
    QLabel* warningLabel = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* confirmButton = nullptr;
    std::function<void()> didCancelBlock;

    void didClickConfirm();
    void didClickCancel();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fieldChanged(const QString& text);

    Preferences& preferences;
    bool appeared = false;
};
