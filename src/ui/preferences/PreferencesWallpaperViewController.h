#pragma once

#include "preferences/PreferencesPane.h"
#include "preferences/PreferencesWallpaperViewModel.h"
#include "reactive/DisposeBag.h"

class LoadingIndicator;
class QAbstractButton;
class QButtonGroup;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class WallpaperPreviewView;

// The Wallpaper pane: the break background's source with a preview, and the quote source
// with the box for the user's own quotes.
class PreferencesWallpaperViewController : public PreferencesPane
{
    Q_OBJECT
public:
    explicit PreferencesWallpaperViewController(PreferencesWallpaperViewModel::Dependencies dependencies,
                                                QWidget* parent = nullptr);
    ~PreferencesWallpaperViewController() override;

    LoadingIndicator* loadingIndicator = nullptr;
    WallpaperPreviewView* imageView = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* timeLabel = nullptr;
    QRadioButton* desktopButton = nullptr;
    QRadioButton* unsplashButton = nullptr;
    QRadioButton* screenshotButton = nullptr;
    QRadioButton* quotesNoneButton = nullptr;
    QRadioButton* quotesDesignButton = nullptr;
    QRadioButton* quotesVelmoroButton = nullptr;
    QRadioButton* quotesCustomButton = nullptr;
    QFrame* quotesVelmoroDivider = nullptr;
    QPlainTextEdit* quotesCustomTextView = nullptr;

    PreferencesWallpaperViewModel& viewModel() { return model; }

    void wallpaperOptionAction(QAbstractButton* sender);
    void quotesRadioButtonSelected(QAbstractButton* sender);

protected:
    void viewDidAppear() override;

    QPushButton* restoreDefaultsButton = nullptr;

private:
    void refreshCustomQuotes();
    void showWallpaperChoice();
    void showQuotesChoice();

    PreferencesWallpaperViewModel model;
    QButtonGroup* backgroundGroup = nullptr;
    QButtonGroup* quotesGroup = nullptr;
    // Set while the box is filled from the store, so that filling is not taken for typing.
    bool refreshing = false;
    DisposeBag disposeBag;
};
