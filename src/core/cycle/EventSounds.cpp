#include "cycle/EventSounds.h"

#include "cycle/CycleController.h"
#include "diagnostics/Log.h"
#include "settings/Preferences.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace SoundKey {

QString choice(SoundEvent event)
{
    switch (event) {
    case SoundEvent::pomodoroEnd:
        return pomodoroEnd;
    case SoundEvent::breakEnd:
        return breakEnd;
    case SoundEvent::lastMinute:
        return lastMinute;
    }
    return {};
}

QString volume(SoundEvent event)
{
    return volumeOf(choice(event));
}

} // namespace SoundKey

namespace {
const QString themePrefix = QStringLiteral("theme:");
const QString filePrefix = QStringLiteral("file:");

QString description(SoundEvent event)
{
    switch (event) {
    case SoundEvent::pomodoroEnd:
        return QStringLiteral("Pomodoro finished");
    case SoundEvent::breakEnd:
        return QStringLiteral("Break finished");
    case SoundEvent::lastMinute:
        return QStringLiteral("Last minute of the Pomodoro");
    }
    return {};
}
} // namespace

const std::vector<EventSounds::ThemeSound>& EventSounds::themeSounds()
{
    static const std::vector<ThemeSound> sounds{
        {QStringLiteral("complete"), QT_TRANSLATE_NOOP("EventSoundsView", "Complete")},
        {QStringLiteral("bell"), QT_TRANSLATE_NOOP("EventSoundsView", "Bell")},
        {QStringLiteral("alarm-clock-elapsed"), QT_TRANSLATE_NOOP("EventSoundsView", "Alarm clock")},
        {QStringLiteral("message-new-instant"), QT_TRANSLATE_NOOP("EventSoundsView", "New message")},
        {QStringLiteral("dialog-information"), QT_TRANSLATE_NOOP("EventSoundsView", "Information")},
        {QStringLiteral("dialog-warning"), QT_TRANSLATE_NOOP("EventSoundsView", "Warning")},
        {QStringLiteral("window-attention"), QT_TRANSLATE_NOOP("EventSoundsView", "Attention")},
    };
    return sounds;
}

QString EventSounds::fallbackEventId(SoundEvent event)
{
    switch (event) {
    case SoundEvent::pomodoroEnd:
        return QStringLiteral("bell");
    case SoundEvent::breakEnd:
        return QStringLiteral("complete");
    case SoundEvent::lastMinute:
        return QStringLiteral("dialog-information");
    }
    return QStringLiteral("complete");
}

QString EventSounds::defaultChoice(SoundEvent event)
{
    // Only the break's end had a sound before there was a choice.
    return event == SoundEvent::breakEnd ? themePrefix + fallbackEventId(event) : QString();
}

QString EventSounds::fileProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("it does not exist");
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("it cannot be read");
    const QByteArray head = file.read(12);
    const bool ogg = head.startsWith("OggS");
    const bool wave = head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
    const bool flac = head.startsWith("fLaC");
    if (!ogg && !wave && !flac)
        return QStringLiteral("it is not OGG, WAV or FLAC audio");
    return {};
}

EventSounds::EventSounds(EventSound& output, Preferences& preferences, QObject* parent)
    : QObject(parent), output(output), preferences(preferences)
{}

void EventSounds::attach(CycleController& cycle)
{
    app = &cycle;
    disposeBag += cycle.state.subscribe([this](CycleState state) {
        // The Pomodoro's end is heard when its break begins: a break held for a call begins, and
        // sounds, only once the call is over.
        const bool breakNow = state == CycleState::shortBreak || state == CycleState::longBreak;
        if (breakNow && wasWorking)
            playEvent(SoundEvent::pomodoroEnd);
        wasWorking = state == CycleState::working;
    });
    connect(&cycle, &CycleController::lastMinuteWarningPosted, this,
            [this] { playEvent(SoundEvent::lastMinute); });
}

std::optional<SoundRequest> EventSounds::requestFor(SoundEvent event) const
{
    const QString stored = preferences.stringValue(SoundKey::choice(event)).value_or(defaultChoice(event));
    if (stored.isEmpty())
        return std::nullopt;
    SoundRequest request;
    request.description = description(event);
    const QJsonValue volume = preferences.value(SoundKey::volume(event));
    request.volume = volume.isDouble() ? std::clamp(volume.toDouble() / 100.0, 0.0, 1.0) : 1.0;
    if (stored.startsWith(filePrefix)) {
        const QString path = stored.mid(filePrefix.size());
        if (const QString problem = fileProblem(path); problem.isEmpty()) {
            request.file = path;
            return request;
        } else {
            LOG_WARNING(QStringLiteral(
                            "The sound file \"%1\" cannot be played: %2; the theme's \"%3\" plays instead.")
                            .arg(path, problem, fallbackEventId(event)));
        }
    } else if (stored.startsWith(themePrefix) && stored.size() > themePrefix.size()) {
        request.eventId = stored.mid(themePrefix.size());
        return request;
    }
    request.eventId = fallbackEventId(event);
    return request;
}

bool EventSounds::playEvent(SoundEvent event, bool tryOut)
{
    if (!tryOut && app && app->isBreakHeld()) {
        LOG_INFO(QStringLiteral("No sound while the break is held."));
        return false;
    }
    const auto request = requestFor(event);
    if (!request)
        return false;
    return output.playSound(*request);
}

bool EventSounds::play(const QString& name)
{
    if (name == QLatin1String("Glass"))
        return playEvent(SoundEvent::breakEnd);
    return output.play(name);
}

bool EventSounds::playSound(const SoundRequest& request)
{
    return output.playSound(request);
}
