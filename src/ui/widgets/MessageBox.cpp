#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QPointer>
#include <QPushButton>

namespace MessageBox {
namespace {
std::optional<int> presetAnswer;
QStringList texts;
} // namespace

QMessageBox* show(QWidget* window, const Alert& alert, std::function<void(int)> answered)
{
    texts << alert.text;
    if (presetAnswer) {
        const int answer = *std::exchange(presetAnswer, std::nullopt);
        if (answered)
            answered(answer);
        return nullptr;
    }
    auto* box = new QMessageBox(alert.icon, QString(), alert.text, QMessageBox::NoButton, window);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(alert.informativeText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    // A sheet on a window that stays above everything must stay above it too.
    if (window && window->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box->setWindowFlag(Qt::WindowStaysOnTopHint);
    QList<QAbstractButton*> buttons;
    for (int i = 0; i < alert.buttons.size(); ++i) {
        QPushButton* button =
            box->addButton(alert.buttons[i], i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
        buttons << button;
        if (i == 0)
            box->setDefaultButton(button);
    }
    QObject::connect(box, &QMessageBox::finished, box, [box, buttons, answered = std::move(answered)] {
        if (answered)
            answered(int(buttons.indexOf(box->clickedButton())));
    });
    box->open();
    return box;
}

void setNextAnswer(int buttonIndex)
{
    presetAnswer = buttonIndex;
}

void clearNextAnswer()
{
    presetAnswer.reset();
}

QStringList shownTexts()
{
    return texts;
}

} // namespace MessageBox
