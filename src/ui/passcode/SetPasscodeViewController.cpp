#include "passcode/SetPasscodeViewController.h"

#include "diagnostics/UsageTracker.h"

#include "settings/UserDefaults.h"
#include "widgets/Localizable.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int passcodeLength = 4;

QLineEdit* secureField(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(passcodeLength);
    // Only what the break overlay can take: a passcode no keyboard can enter would lock for good.
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,4}")), field));
    field->setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoPredictiveText | Qt::ImhPreferLatin);
    return field;
}

} // namespace

SetPasscodeViewController::SetPasscodeViewController(Preferences& preferences, QWidget* parent)
    : QDialog(parent), preferences(preferences)
{
    setWindowTitle(Localizable::text("Set Passcode"));
    // A small question, not a window to keep: no minimise or maximise.
    setWindowFlags(
        (windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) &
        ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowMinMaxButtonsHint));
    passcodeLabel = secureField(this);
    verifyLabel = secureField(this);
    warningLabel = new QLabel(this);
    warningLabel->setTextFormat(Qt::PlainText);
    QPalette red = warningLabel->palette();
    red.setColor(QPalette::WindowText, QColor(215, 0, 21));
    warningLabel->setPalette(red);
    warningLabel->hide();

    auto* hint =
        new QLabel(Localizable::text("Four letters or digits. Asked before a break can end early."), this);
    hint->setTextFormat(Qt::PlainText);
    hint->setWordWrap(true);

    auto* form = new QFormLayout;
    // Alt+P and Alt+V reach the fields, as every dialog's labels do.
    form->addRow(tr("&Passcode:"), passcodeLabel);
    form->addRow(tr("&Verify:"), verifyLabel);

    auto* buttons = new QDialogButtonBox(this);
    cancelButton = buttons->addButton(Localizable::text("Cancel"), QDialogButtonBox::RejectRole);
    confirmButton = buttons->addButton(Localizable::text("Confirm"), QDialogButtonBox::AcceptRole);
    confirmButton->setDefault(true);

    // Room around and between the rows, and a width the hint reads well at.
    hint->setMinimumWidth(hint->fontMetrics().averageCharWidth() * 44);
    warningLabel->setWordWrap(true);
    form->setVerticalSpacing(10);
    form->setHorizontalSpacing(12);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 16);
    column->setSpacing(14);
    column->addWidget(hint);
    column->addLayout(form);
    column->addWidget(warningLabel);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(passcodeLabel, &QLineEdit::textChanged, this, &SetPasscodeViewController::fieldChanged);
    connect(verifyLabel, &QLineEdit::textChanged, this, &SetPasscodeViewController::fieldChanged);
    connect(confirmButton, &QPushButton::clicked, this, &SetPasscodeViewController::didClickConfirm);
    connect(cancelButton, &QPushButton::clicked, this, &SetPasscodeViewController::didClickCancel);
    // Escape and the close button end the dialog too: that is a cancel, never a silent nothing.
    connect(this, &QDialog::rejected, this, [this] {
        if (didCancelBlock)
            didCancelBlock();
    });
}

void SetPasscodeViewController::fieldChanged(const QString& text)
{
    if (!text.isEmpty())
        warningLabel->hide();
}

void SetPasscodeViewController::didClickConfirm()
{
    const QString passcode = passcodeLabel->text();
    const QString verify = verifyLabel->text();
    if (passcode.toUtf8().size() == passcodeLength && verify.toUtf8().size() == passcodeLength) {
        if (passcode == verify) {
            UserDefaults::storePasscode(preferences, passcode);
            accept();
            return;
        }
        warningLabel->setText(Localizable::text("Passcodes do not match"));
    } else if (passcode.isEmpty()) {
        warningLabel->setText(Localizable::text("Type a passcode of 4 letters or digits"));
    } else if (passcode.toUtf8().size() != passcodeLength) {
        warningLabel->setText(Localizable::text("Passcode should be 4 characters"));
    } else {
        // The passcode is whole: only the second field lacks.
        warningLabel->setText(Localizable::text("Type the passcode again under Verify"));
    }
    warningLabel->show();
}

void SetPasscodeViewController::didClickCancel()
{
    reject();
}

void SetPasscodeViewController::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!std::exchange(appeared, true))
        trackQualifiedClassName(QStringLiteral("SetPasscodeViewController"));
}
