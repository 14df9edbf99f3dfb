#include "preferences/PreferencesWallpaperViewModel.h"

#include "content/QuoteService.h"
#include "cycle/BreakPorts.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "imaging/ImageOperations.h"
#include "settings/Preferences.h"

#include <QCoreApplication>

namespace {
const QString unknownError = QStringLiteral("error: MRError.unknown");
} // namespace

PreferencesWallpaperViewModel::PreferencesWallpaperViewModel(Dependencies dependencies)
    : option(storedOption(*dependencies.preferences)), deps(std::move(dependencies)),
      alive(std::make_shared<PreferencesWallpaperViewModel*>(this))
{
    disposeBag += deps.preferences->observe(keyText(PreferKey::Wallpaper), [this](const QJsonValue&) {
        optionObserved(storedOption(*deps.preferences));
    });
    disposeBag += option.subscribe([this](WallpaperOption value) {
        if (!firstOptionSkipped) {
            firstOptionSkipped = true;
            return;
        }
        updateWallpaperImage(value);
    });
}

PreferencesWallpaperViewModel::~PreferencesWallpaperViewModel()
{
    alive.reset();
    if (pendingDebounce)
        deps.scheduler->cancel(pendingDebounce);
}

WallpaperOption PreferencesWallpaperViewModel::storedOption(const Preferences& preferences)
{
    const QJsonValue value = preferences.value(keyText(PreferKey::Wallpaper));
    const int raw = value.isDouble() ? value.toInt(-1) : -1;
    if (raw < 0 || raw > 3)
        return WallpaperOption::unsplash;
    return static_cast<WallpaperOption>(raw);
}

void PreferencesWallpaperViewModel::optionObserved(WallpaperOption value)
{
    // Quick successive choices build one preview, of the last one.
    if (pendingDebounce)
        deps.scheduler->cancel(pendingDebounce);
    std::weak_ptr<PreferencesWallpaperViewModel*> weak = alive;
    pendingDebounce = deps.scheduler->schedule(debounce, [weak, value] {
        if (auto self = weak.lock()) {
            (*self)->pendingDebounce = 0;
            (*self)->option.accept(value);
        }
    });
}

namespace {
QString photoMissing()
{
    return QCoreApplication::translate(
        "Localizable", "The photo could not be loaded. Choose another picture, or try again when online.");
}
} // namespace

void PreferencesWallpaperViewModel::updateWallpaperImage(WallpaperOption newOption)
{
    const quint64 tag = ++requestTag;
    wallpaperImage.accept(std::nullopt);
    previewMessage.accept(QString());
    std::weak_ptr<PreferencesWallpaperViewModel*> weak = alive;
    // The view model the answer is for, while it is alive and still wants this answer.
    auto current = [weak, tag]() -> PreferencesWallpaperViewModel* {
        const auto self = weak.lock();
        return self && (*self)->requestTag == tag ? *self : nullptr;
    };

    switch (newOption) {
    case WallpaperOption::unsplash: {
        LOG_DEBUG(QStringLiteral("Loading image: start"));
        const std::optional<QString> hash =
            deps.randomWallpaperURLHash ? deps.randomWallpaperURLHash() : std::nullopt;
        if (!hash || !deps.wallpapers) {
            LOG_ERROR(unknownError);
            previewMessage.accept(photoMissing());
            return;
        }
        deps.wallpapers->wallpaperImage(*hash, [current](std::optional<QImage> image) {
            PreferencesWallpaperViewModel* self = current();
            if (!self)
                return;
            if (!image) {
                LOG_ERROR(unknownError);
                self->previewMessage.accept(photoMissing());
                return;
            }
            self->wallpaperImage.accept(std::move(image));
            LOG_DEBUG(QStringLiteral("Loading image: end"));
        });
        return;
    }
    case WallpaperOption::screen: {
        std::optional<BreakScreen> main;
        if (deps.screens) {
            for (const BreakScreen& screen : deps.screens->screens()) {
                if (screen.isMain)
                    main = screen;
            }
        }
        std::optional<QImage> capture =
            main && deps.images ? deps.images->takeScreenshot(*main) : std::nullopt;
        if (!capture || capture->isNull()) {
            LOG_ERROR(QStringLiteral("Failed to take screenshot"));
            previewMessage.accept(QCoreApplication::translate(
                "Localizable", "The screen could not be captured: breaks will show the built-in picture."));
            return;
        }
        // A capture now would show this window itself: the preview says what a break will show.
        previewMessage.accept(QCoreApplication::translate(
            "Localizable", "Breaks show a blurred picture of what each screen shows."));
        return;
    }
    case WallpaperOption::custom:
        LOG_ERROR(QStringLiteral("!!!"));
        return;
    case WallpaperOption::desktop:
        if (!deps.images) {
            LOG_ERROR(QStringLiteral("Get desktop picture failed."));
            return;
        }
        deps.images->desktopPicture([current](std::optional<QImage> image) {
            PreferencesWallpaperViewModel* self = current();
            if (!self)
                return;
            if (!image || image->isNull()) {
                LOG_ERROR(QStringLiteral("Get desktop picture failed."));
                self->previewMessage.accept(QCoreApplication::translate(
                    "Localizable", "No desktop picture was found: breaks will show the built-in picture."));
                return;
            }
            if (ImageSource::isCapture(*image)) {
                self->previewMessage.accept(QCoreApplication::translate(
                    "Localizable",
                    "No desktop picture is set: breaks show a blurred picture of the screen instead."));
                return;
            }
            self->wallpaperImage.accept(std::move(image));
        });
        return;
    }
}

void PreferencesWallpaperViewModel::chooseWallpaper(WallpaperOption choice)
{
    deps.preferences->setValue(PreferKey::Wallpaper, int(choice));
    deps.preferences->synchronize();
}

PreferQuotesType PreferencesWallpaperViewModel::quotesType() const
{
    return deps.quotes->quotesType();
}

void PreferencesWallpaperViewModel::chooseQuotesType(PreferQuotesType type)
{
    LOG_DEBUG(QStringLiteral("type: ") + quotesTypeName(type));
    deps.preferences->setValue(PreferKey::QuotesType, int(type));
    deps.preferences->synchronize();
    deps.quotes->setup();
    track(UsageEvent::quotesOptionUpdate, {{QStringLiteral("option"), quotesTypeName(type)}});
}

QString PreferencesWallpaperViewModel::customQuotesString() const
{
    return deps.quotes->customQuotesString();
}

void PreferencesWallpaperViewModel::customQuotesEdited(const QString& text)
{
    if (!customQuotesEditable())
        return;
    deps.quotes->updateCustomQuotes(text);
}
