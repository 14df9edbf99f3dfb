#include "break/BreakContent.h"

#include "settings/Preferences.h"

PreferQuotesType BreakContent::quotesType(const Preferences& preferences)
{
    const int stored = preferences.intValue(PreferKey::QuotesType);
    if (stored < 0 || stored > 3)
        return PreferQuotesType::disabled;
    return static_cast<PreferQuotesType>(stored);
}

bool BreakContent::quotesEnabled(const Preferences& preferences)
{
    return quotesType(preferences) != PreferQuotesType::disabled;
}
