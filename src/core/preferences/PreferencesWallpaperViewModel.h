#pragma once

#include "reactive/BehaviorRelay.h"
#include "reactive/DisposeBag.h"
#include "settings/PreferKey.h"
#include "timer/Scheduler.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class BreakWindows;
class ImageSource;
class Preferences;
class QuoteService;
class WallpaperProvider;

// What the Wallpaper pane shows and writes: the stored background source turned into a
// preview image, and the quote source with its custom quotes. Main thread only.
class PreferencesWallpaperViewModel
{
public:
    static constexpr std::chrono::milliseconds debounce{100};
    static constexpr double previewBlurRadius = 10.0;

    struct Dependencies
    {
        Preferences* preferences = nullptr;
        Scheduler* scheduler = nullptr;
        QuoteService* quotes = nullptr;
        WallpaperProvider* wallpapers = nullptr;
        // An independent pick from the cached photos (repeats allowed).
        std::function<std::optional<QString>()> randomWallpaperURLHash;
        ImageSource* images = nullptr;
        // The screens, for the screenshot of the main one.
        BreakWindows* screens = nullptr;
    };

    explicit PreferencesWallpaperViewModel(Dependencies dependencies);
    ~PreferencesWallpaperViewModel();
    PreferencesWallpaperViewModel(const PreferencesWallpaperViewModel&) = delete;
    PreferencesWallpaperViewModel& operator=(const PreferencesWallpaperViewModel&) = delete;

    // The stored source; anything outside 0...3 reads as unsplash.
    static WallpaperOption storedOption(const Preferences& preferences);

    BehaviorRelay<std::optional<QImage>> wallpaperImage{std::nullopt};
    // Said in place of a picture that cannot be shown: empty while one loads or shows.
    BehaviorRelay<QString> previewMessage{QString()};
    BehaviorRelay<WallpaperOption> option;

    // Rebuilds the preview. Only the latest request may fill it: earlier answers that
    // arrive late are dropped.
    void updateWallpaperImage(WallpaperOption newOption);

    // A background radio button: stores the choice; the preview follows the store.
    void chooseWallpaper(WallpaperOption choice);

    Preferences& preferences() const { return *deps.preferences; }
    PreferQuotesType quotesType() const;
    void chooseQuotesType(PreferQuotesType type);
    // The custom quotes as the text box shows them, one per line.
    QString customQuotesString() const;
    bool customQuotesEditable() const { return quotesType() == PreferQuotesType::custom; }
    // The user's edit of the text box. Ignored unless custom quotes are chosen, so filling
    // the box from the store never writes it back.
    void customQuotesEdited(const QString& text);

private:
    void optionObserved(WallpaperOption value);

    Dependencies deps;
    Scheduler::Token pendingDebounce = 0;
    std::optional<WallpaperOption> debounced;
    bool firstOptionSkipped = false;
    quint64 requestTag = 0;
    // Answers hold it weakly: once the view model is gone they touch nothing.
    std::shared_ptr<PreferencesWallpaperViewModel*> alive;
    DisposeBag disposeBag;
};
