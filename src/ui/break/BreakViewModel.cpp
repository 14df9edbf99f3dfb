#include "break/BreakViewModel.h"

#include "break/BreakContent.h"
#include "settings/Preferences.h"
#include "widgets/Localizable.h"

BreakViewModel::BreakViewModel(BehaviorRelay<CycleState>& state, BehaviorRelay<int>& remainingSeconds,
                               Preferences& preferences, BreakContent& content)
    : lastState(state.value()), preferences(preferences), content(content)
{
    disposeBag += remainingSeconds.subscribe([this](int seconds) { timeString.accept(timeText(seconds)); });
    disposeBag += preferences.observe(keyText(PreferKey::QuotesType), [this](const QJsonValue&) {
        quoteHidden.accept(!BreakContent::quotesEnabled(this->preferences));
    });
    disposeBag += state.subscribe([this](CycleState value) { stateChanged(value); });
}

QString BreakViewModel::timeText(int seconds)
{
    seconds = std::max(0, seconds);
    return QString::asprintf("%02d:%02d", seconds / 60, seconds % 60);
}

void BreakViewModel::stateChanged(CycleState state)
{
    switch (state) {
    case CycleState::shortBreak:
    case CycleState::longBreak: {
        kindString.accept(Localizable::text(state == CycleState::shortBreak ? "Short break" : "Long break"));
        const bool enabled = BreakContent::quotesEnabled(preferences);
        quoteHidden.accept(!enabled);
        if (enabled) {
            titleLabelHidden.accept(true);
            std::optional<QString> quote = content.nextQuote ? content.nextQuote() : std::nullopt;
            // A blank quote would leave the overlay without any words.
            if (quote && quote->trimmed().isEmpty())
                quote.reset();
            quoteString.accept(quote ? *quote : Localizable::text("Take a break"));
        } else {
            titleLabelHidden.accept(false);
            titleString.accept(Localizable::text("Take a break"));
        }
        break;
    }
    case CycleState::idle:
        kindString.accept(QString());
        if (lastState == CycleState::shortBreak || lastState == CycleState::longBreak) {
            titleLabelHidden.accept(false);
            titleString.accept(Localizable::text("Back to work!"));
        }
        break;
    case CycleState::working:
        kindString.accept(QString());
        break;
    }
    lastState = state;
}
