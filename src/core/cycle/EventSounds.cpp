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
    // What the desktop's sound library decodes, told by the content and not by the name: WAV
    // of 8- or 16-bit PCM, and Ogg whose first packet is a Vorbis identification header.
    const QByteArray head = file.read(4096);
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WAVE") {
        for (qsizetype at = 12; at + 8 <= head.size();) {
            const auto le = [&](qsizetype offset, int bytes) {
                quint32 value = 0;
                for (int i = bytes - 1; i >= 0; --i)
                    value = (value << 8) | quint8(head.at(offset + i));
                return value;
            };
            const quint32 size = le(at + 4, 4);
            if (head.mid(at, 4) == "fmt ") {
                if (at + 24 > head.size())
                    break;
                const quint32 format = le(at + 8, 2), bits = le(at + 22, 2);
                if (format == 1 && (bits == 8 || bits == 16))
                    return {};
                return QStringLiteral("it is WAV audio in another encoding than 8- or 16-bit PCM");
            }
            at += 8 + qsizetype(size) + (size & 1);
        }
        return QStringLiteral("it is a WAV file without a readable format");
    }
    if (head.startsWith("OggS") && head.size() > 27) {
        const QByteArray packet = head.mid(27 + quint8(head.at(26)), 8);
        if (packet.startsWith("\x01vorbis"))
            return {};
        if (packet.startsWith("OpusHead"))
            return QStringLiteral("it is Ogg Opus audio, which the desktop's sound library does not decode");
        return QStringLiteral("it is an Ogg file without Vorbis audio");
    }
    if (head.startsWith("fLaC"))
        return QStringLiteral("it is FLAC audio, which the desktop's sound library does not decode");
    return QStringLiteral("it is not WAV or Ogg Vorbis audio");
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
