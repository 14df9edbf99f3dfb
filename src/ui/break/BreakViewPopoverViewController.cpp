#include "break/BreakViewPopoverViewController.h"

#include "diagnostics/UsageTracker.h"
#include "widgets/DrawnButton.h"
#include "widgets/Localizable.h"
#include "widgets/OverlayFonts.h"
#include "widgets/PanelView.h"

#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

BreakViewPopoverViewController::BreakViewPopoverViewController(bool darkMode, bool showPostpone, double scale,
                                                               QObject* parent)
    : QObject(parent)
{
    root = new PanelView;
    root->setBackgroundColor(backgroundColor(darkMode));
    root->setCornerRadius(10 * scale);

    const auto px = [scale](double value) { return int(std::lround(value * scale)); };
    auto* column = new QVBoxLayout(root);
    column->setContentsMargins(0, px(16), 0, px(8));
    column->setSpacing(0);

    titleLabel = new QLabel(root);
    titleLabel->setTextFormat(Qt::PlainText);
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setWordWrap(true);
    // A heading, not a row: smaller, bold, and apart from the choices below it.
    QFont titleFont = OverlayFonts::regular(px(12));
    titleFont.setWeight(QFont::Bold);
    titleFont.setCapitalization(QFont::AllUppercase);
    titleFont.setLetterSpacing(QFont::PercentageSpacing, 104);
    titleLabel->setFont(titleFont);
    titleLabel->setContentsMargins(px(16), 0, px(16), px(10));
    titleLabel->setAccessibleName(Localizable::text("Take a Break to Stay Focused"));
    QPalette palette = titleLabel->palette();
    palette.setColor(QPalette::WindowText, titleColor(darkMode));
    titleLabel->setPalette(palette);
    titleLabel->setText(Localizable::text("Take a Break to Stay Focused"));
    column->addWidget(titleLabel);

    const QColor text = titleColor(darkMode);
    const QColor line = darkMode ? QColor::fromRgbF(1, 1, 1, 0.12f) : QColor::fromRgbF(0, 0, 0, 0.1f);
    const QColor highlight = darkMode ? QColor::fromRgbF(1, 1, 1, 0.1f) : QColor::fromRgbF(0, 0, 0, 0.06f);
    auto makeButton = [&](const char* key) {
        auto* button = new DrawnButton(root);
        button->setText(Localizable::text(key));
        button->setFont(OverlayFonts::regular(px(15)));
        button->setTitleColor(text);
        button->setSeparatorColor(line);
        button->setHighlightColor(highlight);
        button->setFixedHeight(px(40));
        connect(button, &DrawnButton::clicked, this, [this, button] { buttonClicked(button); });
        return button;
    };
    skipButton = makeButton(QT_TRANSLATE_NOOP("Localizable", "Popover-Pomodoro"));
    postponeButton = makeButton(QT_TRANSLATE_NOOP("Localizable", "Popover-Postpone"));
    stopButton = makeButton(QT_TRANSLATE_NOOP("Localizable", "Popover-Stop"));
    cancelButton = makeButton(QT_TRANSLATE_NOOP("Localizable", "Popover-Cancel"));
    // Skip, postpone (when offered), stop: adjacent rows share one separator line.
    column->addWidget(skipButton);
    if (showPostpone)
        column->addWidget(postponeButton);
    else
        postponeButton->hide();
    stopButton->setSeparatorColor(line, true);
    column->addWidget(stopButton);
    column->addSpacing(px(8));
    cancelButton->setSeparatorColor(Qt::transparent);
    // Cancel is a choice like the others, not a disabled one.
    cancelButton->setTitleColor(text);
    column->addWidget(cancelButton);
    root->setFixedWidth(px(360));
    root->adjustSize();

    trackContentView(QStringLiteral("BreakViewPopoverViewController"));
}

BreakViewPopoverViewController::~BreakViewPopoverViewController()
{
    // The view belongs to the popover once shown; one never shown is ours.
    if (root && !root->parent())
        delete root.data();
}

QColor BreakViewPopoverViewController::backgroundColor(bool darkMode)
{
    QColor color = darkMode ? QColor(0x33, 0x33, 0x33) : QColor(0xFE, 0xFE, 0xFE);
    color.setAlphaF(0.7f);
    return color;
}

QColor BreakViewPopoverViewController::titleColor(bool darkMode)
{
    return darkMode ? QColor(0xDD, 0xDD, 0xDD) : QColor(0x33, 0x33, 0x33);
}

void BreakViewPopoverViewController::buttonClicked(QObject* sender)
{
    if (!popoverDidClickButton)
        return;
    PopoverButton button = PopoverButton::cancel;
    if (sender == skipButton)
        button = PopoverButton::skip;
    else if (sender == postponeButton)
        button = PopoverButton::postpone;
    else if (sender == stopButton)
        button = PopoverButton::stop;
    // The callback may clear itself: run a copy.
    auto callback = popoverDidClickButton;
    callback(button);
}
