#pragma once

#include "settings/PreferKey.h"

#include <QString>

#include <functional>
#include <optional>

class Preferences;

// Where the overlay's words and photo credit come from. The application wires the quote and
// wallpaper services here; any part left unset gives nothing (no quote, no credit).
struct BreakContent
{
    // The next quote's text, none when there is none.
    std::function<std::optional<QString>()> nextQuote;
    // Fetches the remote quotes when they are due (the remote source only).
    std::function<void()> fetchQuotesFromQuotesDesignIfNeed;
    // Refreshes the photo list when it is due.
    std::function<void()> refreshWallpapersIfDue;
    // The photographer of a cached photo, by its hash.
    std::function<std::optional<QString>(const QString& urlHash)> photoAuthor;

    // The "QuotesType" preference; anything outside 0...3 reads as disabled.
    static PreferQuotesType quotesType(const Preferences& preferences);
    static bool quotesEnabled(const Preferences& preferences);
};
