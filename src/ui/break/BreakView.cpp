#include "break/BreakView.h"

#include "break/PasscodeView.h"
#include "widgets/ChromeService.h"
#include "widgets/CountdownLabel.h"
#include "widgets/DrawnButton.h"
#include "widgets/ImageView.h"
#include "widgets/OverlayFonts.h"
#include "widgets/PanelView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QLabel* plainLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    // Every text here is ours or comes from elsewhere: never markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QWidget* buttonRow(QWidget* parent, std::initializer_list<DrawnButton*> buttons)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    for (DrawnButton* button : buttons) {
        button->setParent(row);
        layout->addWidget(button);
    }
    layout->addStretch();
    return row;
}

} // namespace

BreakView::BreakView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    // Keys come as they are typed: no input method composes them away from the passcode.
    setAttribute(Qt::WA_InputMethodEnabled, false);

    imgBgView = new ImageView(this);
    maskView = new PanelView(this);
    maskView->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Its colour is composed into the picture (setMaskColor).
    maskView->hide();

    containerView = new QWidget(this);
    titleLabel = plainLabel(containerView);
    kindLabel = plainLabel(containerView);
    kindLabel->hide();
    timeLabel = new CountdownLabel(containerView);
    stopTimerButton = new DrawnButton;
    backToWorkCloseButton = new DrawnButton;
    backToWorkNextButton = new DrawnButton;
    countDownButtonContainer = buttonRow(containerView, {stopTimerButton});
    noStopLabel = plainLabel(countDownButtonContainer);
    noStopLabel->hide();
    static_cast<QHBoxLayout*>(countDownButtonContainer->layout())->insertWidget(2, noStopLabel);
    backToWorkButtonContainer = buttonRow(containerView, {backToWorkCloseButton, backToWorkNextButton});
    backToWorkButtonContainer->hide();

    auto* column = new QVBoxLayout(containerView);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(titleLabel);
    column->addWidget(kindLabel);
    column->addWidget(timeLabel, 0, Qt::AlignHCenter);
    column->addWidget(countDownButtonContainer);
    column->addWidget(backToWorkButtonContainer);

    passcodeView = new PasscodeView(this);
    passcodeView->hide();
    fingerprintImgView = passcodeView->fingerprintImgView;

    authorLabel = plainLabel(this);
    authorLabel->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    authorLabel->hide();

    layoutContent();
}

double BreakView::scaleFor(const QSize& size)
{
    return std::clamp(std::min(size.width() / 1440.0, size.height() / 900.0), 0.75, 1.6);
}

void BreakView::setMaskColor(const QColor& color)
{
    maskView->setBackgroundColor(color);
    imgBgView->setTint(color);
}

void BreakView::setQuoteShowing(bool showing)
{
    if (quoteShowing == showing)
        return;
    quoteShowing = showing;
    layoutContent();
}

void BreakView::layoutContent()
{
    const int W = width(), H = height();
    const double s = scaleFor(size());
    imgBgView->setGeometry(rect());
    maskView->setGeometry(rect());
    passcodeView->setGeometry(rect());

    titleLabel->setFont(OverlayFonts::light(int(std::lround(38 * s))));
    titleLabel->setContentsMargins(0, 0, 0, int(std::lround(6 * s)));
    QFont kindFont = OverlayFonts::regular(int(std::lround(15 * s)));
    kindFont.setCapitalization(QFont::AllUppercase);
    kindFont.setLetterSpacing(QFont::PercentageSpacing, 110);
    kindLabel->setFont(kindFont);
    noStopLabel->setFont(OverlayFonts::regular(int(std::lround(15 * s))));
    noStopLabel->setMinimumHeight(int(std::lround(42 * s)));
    // The countdown is the one thing to read from across the room.
    timeLabel->setFont(
        OverlayFonts::light(std::clamp(int(std::lround(H * 0.15)), 72, 240), QFont::ExtraLight));
    const QSize buttonSize(int(std::lround(136 * s)), int(std::lround(42 * s)));
    const QFont buttonFont = OverlayFonts::regular(int(std::lround(16 * s)));
    for (DrawnButton* button : {stopTimerButton, backToWorkCloseButton, backToWorkNextButton}) {
        button->setFixedSize(buttonSize);
        button->setFont(buttonFont);
    }
    const int gap = int(std::lround(22 * s));
    for (QWidget* row : {countDownButtonContainer, backToWorkButtonContainer}) {
        static_cast<QHBoxLayout*>(row->layout())->setSpacing(gap);
        row->setContentsMargins(0, int(std::lround(24 * s)), 0, 0);
    }

    containerView->layout()->activate();
    const int contentHeight = containerView->layout()->sizeHint().height();
    int top = 0;
    if (quoteShowing) {
        // The quote reaches at most 40 below the middle; the content starts under it.
        top = H / 2 + 40 + int(std::lround(16 * s));
    } else {
        // A little above the middle looks centred.
        top = (H - contentHeight) / 2 - H / 25;
    }
    top = std::clamp(top, 0, std::max(0, H - contentHeight));
    ChromeService::setGeometry(containerView, QRect(0, top, W, contentHeight));

    authorLabel->setFont(OverlayFonts::regular(int(std::lround(13 * s))));
    const int margin = int(std::lround(18 * s));
    authorLabel->setGeometry(margin, H - margin - authorLabel->fontMetrics().height() * 2, W - 2 * margin,
                             authorLabel->fontMetrics().height() * 2);
}

void BreakView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutContent();
    Q_EMIT frameChanged();
}

void BreakView::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    const bool plain = !(event->modifiers() &
                         (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier));
    if (didPressKeyBlock)
        didPressKeyBlock(event->key(), plain ? event->text() : QString());
}

void BreakView::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
}

bool BreakView::focusNextPrevChild(bool next)
{
    // Tab walks the buttons in sight and back to the view itself, and never leaves the break's
    // window; every other key still goes to the view's own rules.
    QList<QWidget*> stops{this};
    for (DrawnButton* button : findChildren<DrawnButton*>()) {
        if (button->isVisibleTo(this) && button->isEnabled() && button->focusPolicy() & Qt::TabFocus)
            stops << button;
    }
    if (stops.size() == 1)
        return false;
    const auto at = stops.indexOf(QApplication::focusWidget());
    const auto count = stops.size();
    const auto to = at < 0 ? (next ? 1 : count - 1) : (at + (next ? 1 : -1) + count) % count;
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

QSize BreakView::coverAbove(QWidget* anchor) const
{
    const double s = scaleFor(size());
    const int margin = int(std::lround(16 * s));
    const int anchorTop = anchor->mapTo(this, QPoint(0, 0)).y();
    int top = anchorTop;
    int width = 0;
    for (QWidget* label : {static_cast<QWidget*>(titleLabel), static_cast<QWidget*>(timeLabel)}) {
        if (!label->isVisibleTo(this))
            continue;
        const QRect area(label->mapTo(this, QPoint(0, 0)), label->size());
        top = std::min(top, area.top());
    }
    if (titleLabel->isVisibleTo(this))
        width = titleLabel->fontMetrics().horizontalAdvance(titleLabel->text());
    if (timeLabel->isVisibleTo(this))
        width = std::max(width, timeLabel->textWidth());
    return QSize(width + 2 * margin, std::max(0, anchorTop - top));
}
