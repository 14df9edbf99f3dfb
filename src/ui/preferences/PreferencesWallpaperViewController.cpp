#include "preferences/PreferencesWallpaperViewController.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "preferences/WallpaperPreviewView.h"
#include "settings/Preferences.h"
#include "widgets/LoadingIndicator.h"
#include "widgets/RadioGroupFocus.h"
#include "widgets/Localizable.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PreferencesWallpaperViewController::PreferencesWallpaperViewController(
    PreferencesWallpaperViewModel::Dependencies dependencies, QWidget* parent)
    : PreferencesPane(QStringLiteral("PreferencesWallpaperViewController"), parent),
      model(std::move(dependencies))
{
    auto* root = new QGridLayout(this);
    root->setContentsMargins(20, 20, 20, 20);
    root->setHorizontalSpacing(20);
    root->setVerticalSpacing(8);

    // Background: the three sources beside the preview.
    root->addWidget(heading(QT_TRANSLATE_NOOP("Localizable", "Break background"), this), 0, 0, 1, 2);
    auto* sources = new QVBoxLayout;
    desktopButton = new QRadioButton(Localizable::text("Desktop picture"), this);
    unsplashButton = new QRadioButton(Localizable::text("Photo of the day"), this);
    screenshotButton = new QRadioButton(Localizable::text("Blurred screen"), this);
    backgroundGroup = new QButtonGroup(this);
    for (QRadioButton* button : {desktopButton, unsplashButton, screenshotButton}) {
        backgroundGroup->addButton(button);
        sources->addWidget(button);
    }
    sources->addStretch(1);
    root->addLayout(sources, 1, 0);
    imageView = new WallpaperPreviewView(this);
    loadingIndicator = imageView->loadingIndicator;
    titleLabel = imageView->titleLabel;
    timeLabel = imageView->timeLabel;
    root->addWidget(imageView, 1, 1);

    showWallpaperChoice();
    connect(backgroundGroup, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton* button) { wallpaperOptionAction(button); });
    loadingIndicator->startAnimation();
    disposeBag += model.wallpaperImage.subscribe(
        [this](const std::optional<QImage>& image) { imageView->setImage(image); });
    disposeBag +=
        model.previewMessage.subscribe([this](const QString& message) { imageView->setMessage(message); });

    // Quotes.
    root->addWidget(heading(QT_TRANSLATE_NOOP("Localizable", "Quotes"), this), 2, 0, 1, 2);
    auto* kinds = new QVBoxLayout;
    quotesNoneButton = new QRadioButton(Localizable::text("No quotes"), this);
    quotesDesignButton = new QRadioButton(tr("Quotes from the web"), this);
    quotesVelmoroButton = new QRadioButton(tr("Built-in quotes"), this);
    quotesVelmoroDivider = new QFrame(this);
    quotesVelmoroDivider->setFrameShape(QFrame::HLine);
    quotesVelmoroDivider->setFrameShadow(QFrame::Sunken);
    quotesCustomButton = new QRadioButton(Localizable::text("My own quotes"), this);
    quotesGroup = new QButtonGroup(this);
    for (QRadioButton* button : {quotesNoneButton, quotesDesignButton, quotesVelmoroButton})
        quotesGroup->addButton(button);
    quotesGroup->addButton(quotesCustomButton);
    kinds->addWidget(quotesNoneButton);
    kinds->addWidget(quotesDesignButton);
    kinds->addWidget(quotesVelmoroButton);
    kinds->addWidget(quotesVelmoroDivider);
    kinds->addWidget(quotesCustomButton);
    kinds->addStretch(1);
    root->addLayout(kinds, 3, 0);
    quotesCustomTextView = new QPlainTextEdit(this);
    quotesCustomTextView->setTabChangesFocus(true);
    quotesCustomTextView->setPlaceholderText(Localizable::text("One quote per line"));
    quotesCustomTextView->setAccessibleName(Localizable::text("My own quotes"));
    quotesCustomTextView->setMinimumHeight(120);
    root->addWidget(quotesCustomTextView, 3, 1);
    root->setColumnStretch(1, 1);
    root->setRowStretch(3, 1);

    RadioGroupFocus::follow(backgroundGroup);
    RadioGroupFocus::follow(quotesGroup);
    connect(quotesGroup, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton* button) { quotesRadioButtonSelected(button); });
    connect(quotesCustomTextView, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing)
            model.customQuotesEdited(quotesCustomTextView->toPlainText());
    });

    restoreDefaultsButton =
        makeRestoreDefaultsButton(model.preferences(), UserDefaults::PreferencesPane::wallpaper);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addStretch(1);
    restoreRow->addWidget(restoreDefaultsButton);
    root->addLayout(restoreRow, 4, 0, 1, 2);

    // The buttons follow the store, so Restore defaults and hand edits show at once.
    disposeBag += model.preferences().observe(keyText(PreferKey::Wallpaper),
                                              [this](const QJsonValue&) { showWallpaperChoice(); });
    disposeBag += model.preferences().observe(keyText(PreferKey::QuotesType), [this](const QJsonValue&) {
        showQuotesChoice();
        refreshCustomQuotes();
    });
}

PreferencesWallpaperViewController::~PreferencesWallpaperViewController() = default;

void PreferencesWallpaperViewController::showWallpaperChoice()
{
    QRadioButton* chosen = nullptr;
    switch (PreferencesWallpaperViewModel::storedOption(model.preferences())) {
    case WallpaperOption::desktop:
        chosen = desktopButton;
        break;
    case WallpaperOption::unsplash:
        chosen = unsplashButton;
        break;
    case WallpaperOption::screen:
        chosen = screenshotButton;
        break;
    case WallpaperOption::custom:
        break;
    }
    // No button stands for a custom picture: the group must allow none to be on.
    backgroundGroup->setExclusive(false);
    for (QAbstractButton* button : backgroundGroup->buttons())
        button->setChecked(button == chosen);
    backgroundGroup->setExclusive(true);
}

void PreferencesWallpaperViewController::showQuotesChoice()
{
    QRadioButton* chosen = quotesNoneButton;
    switch (model.quotesType()) {
    case PreferQuotesType::disabled:
        break;
    case PreferQuotesType::quotesDesign:
        chosen = quotesDesignButton;
        break;
    case PreferQuotesType::velmoro:
        chosen = quotesVelmoroButton;
        break;
    case PreferQuotesType::custom:
        chosen = quotesCustomButton;
        break;
    }
    chosen->setChecked(true);
}

void PreferencesWallpaperViewController::wallpaperOptionAction(QAbstractButton* sender)
{
    WallpaperOption choice;
    if (sender == desktopButton)
        choice = WallpaperOption::desktop;
    else if (sender == unsplashButton)
        choice = WallpaperOption::unsplash;
    else if (sender == screenshotButton)
        choice = WallpaperOption::screen;
    else {
        LOG_ERROR(QStringLiteral("Unknown option!"));
        return;
    }
    model.chooseWallpaper(choice);
}

void PreferencesWallpaperViewController::quotesRadioButtonSelected(QAbstractButton* sender)
{
    PreferQuotesType type;
    if (sender == quotesNoneButton)
        type = PreferQuotesType::disabled;
    else if (sender == quotesDesignButton)
        type = PreferQuotesType::quotesDesign;
    else if (sender == quotesVelmoroButton)
        type = PreferQuotesType::velmoro;
    else if (sender == quotesCustomButton)
        type = PreferQuotesType::custom;
    else {
        LOG_ERROR(QStringLiteral("Unknown type!"));
        track(UsageEvent::quotesOptionUpdate, {{QStringLiteral("option"), QStringLiteral("unknown")}});
        return;
    }
    model.chooseQuotesType(type);
    refreshCustomQuotes();
}

void PreferencesWallpaperViewController::viewDidAppear()
{
    PreferencesPane::viewDidAppear();
    // Custom quotes chosen: the box is what the user came to edit.
    if (model.customQuotesEditable())
        quotesCustomTextView->setFocus(Qt::OtherFocusReason);
}

void PreferencesWallpaperViewController::refreshCustomQuotes()
{
    refreshing = true;
    quotesCustomTextView->setPlainText(model.customQuotesString());
    refreshing = false;
    const bool editable = model.customQuotesEditable();
    // Greyed while another source is chosen: a box that takes the caret but not typing looks
    // broken. Its tip says how to edit it.
    quotesCustomTextView->setEnabled(editable);
    quotesCustomTextView->setToolTip(editable ? QString()
                                              : tr("Choose \u201cMy own quotes\u201d to edit them."));
    quotesCustomTextView->setReadOnly(!editable);
    quotesCustomTextView->setTextInteractionFlags(
        editable ? Qt::TextEditorInteraction : Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (editable && window()->isVisible())
        quotesCustomTextView->setFocus(Qt::OtherFocusReason);
}
