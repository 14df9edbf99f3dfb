#include "settings/PreferKey.h"

namespace {
struct KeyEntry
{
    PreferKey key;
    const char* text;
};
#define MR_KEY(name) KeyEntry{PreferKey::name, #name}
constexpr std::array<KeyEntry, PreferKeyCount> entries{{
    MR_KEY(LaunchAtLogin),
    MR_KEY(Wallpaper),
    MR_KEY(BreakTitle),
    MR_KEY(PasscodeEnabled),
    MR_KEY(Passcode),
    MR_KEY(PasscodeTimeOut),
    MR_KEY(TouchIDEnabled),
    MR_KEY(StartPomodoroShortcut),
    MR_KEY(ShortBreakShortcut),
    MR_KEY(SoundEffect),
    MR_KEY(QuoteEnabled),
    MR_KEY(QuotesType),
    MR_KEY(CountDownOnMenubarEnabled),
    MR_KEY(CountDownPieOnMenuBarEnabled),
    MR_KEY(AutoStartPomodoroEnabled),
    MR_KEY(logLevel),
    MR_KEY(checkUpdateForStage),
    MR_KEY(showBreakOptions),
    MR_KEY(noCancellationDuringTheBreak),
    MR_KEY(statsFilterOption),
}};
#undef MR_KEY

constexpr bool entriesFollowDeclarationOrder()
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<std::size_t>(entries[i].key) != i)
            return false;
    }
    return true;
}
static_assert(entriesFollowDeclarationOrder(), "key texts must follow the enumeration's order");
} // namespace

const std::array<PreferKey, PreferKeyCount>& allPreferKeys()
{
    static const auto keys = [] {
        std::array<PreferKey, PreferKeyCount> list{};
        for (std::size_t i = 0; i < entries.size(); ++i)
            list[i] = entries[i].key;
        return list;
    }();
    return keys;
}

QString keyText(PreferKey key)
{
    const auto index = static_cast<std::size_t>(key);
    return index < entries.size() ? QString::fromLatin1(entries[index].text) : QString();
}
