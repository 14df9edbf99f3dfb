#include "cycle/BreakHold.h"

#include "diagnostics/Log.h"
#include "presence/Presence.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"
#include "timer/NotificationCenter.h"

#include <QCoreApplication>
#include <QPointer>

BreakHold::BreakHold(Preferences& preferences, Scheduler& scheduler, const Clock& clock,
                     NotificationCenter& notifications, Presence* presence, QObject* parent)
    : QObject(parent), preferences(preferences), scheduler(scheduler), clock(clock),
      notifications(notifications), presence(presence)
{
    if (presence)
        LOG_INFO(QStringLiteral("Breaks are held while one of these is active: ") + presence->backendName());
}

BreakHold::~BreakHold()
{
    if (isHeld())
        LOG_INFO(QStringLiteral("Quit while a break was held ") + heldFor());
    // Only the timers: whoever watches heldBy may be gone already.
    for (Scheduler::Token token : {pollToken, warningToken, maximumToken})
        scheduler.cancel(token);
}

bool BreakHold::holdingAllowed() const
{
    return presence && preferences.boolValue(HoldKey::enabled);
}

void BreakHold::beforeBreak(std::function<void()> start)
{
    reset();
    if (!holdingAllowed()) {
        start();
        return;
    }
    pendingStart = std::move(start);
    QPointer<BreakHold> weak(this);
    const quint64 askedFor = generation;
    presence->activeSources([weak, askedFor](const QStringList& active) {
        if (!weak || weak->generation != askedFor || !weak->pendingStart)
            return;
        if (active.isEmpty())
            weak->release(QString());
        else
            weak->hold(active);
    });
}

void BreakHold::hold(const QStringList& active)
{
    heldSinceMs = clock.steadyMs();
    seen = active;
    quietAnswers = 0;
    const QString by = active.join(QStringLiteral(", "));
    LOG_INFO(QStringLiteral("Break held: ") + by);
    heldBy.accept(by);
    notifications.postNotification(heldTitle(active),
                                   QCoreApplication::translate("Localizable", "Break held: %1").arg(by));

    QPointer<BreakHold> weak(this);
    const qint64 maximum = std::max(0, preferences.intValue(HoldKey::maximum));
    maximumToken = scheduler.schedule(std::chrono::seconds(maximum), [weak] {
        if (weak) {
            weak->maximumToken = 0;
            weak->release(QStringLiteral("held as long as allowed"));
        }
    });
    // Said ahead, so the break does not land in the middle of a sentence unannounced; a hold
    // shorter than that was announced by the notification above.
    if (maximum > warningSeconds)
        warningToken = scheduler.schedule(std::chrono::seconds(maximum - warningSeconds), [weak] {
            if (!weak)
                return;
            weak->warningToken = 0;
            weak->notifications.postNotification(QCoreApplication::translate("Localizable", "Break in one minute"),
                                                 QCoreApplication::translate("Localizable", "The break was held as long as allowed."));
        });
    pollToken = scheduler.schedule(pollInterval, [weak] {
        if (weak)
            weak->poll();
    });
}

QString BreakHold::heldTitle(const QStringList& active)
{
    // The sources' own texts (platform/) tell what holds; the title says what ends the hold.
    auto holding = [&](const char* text) {
        return active.contains(QCoreApplication::translate("Localizable", text));
    };
    if (holding("microphone in use") || holding("camera in use"))
        return QCoreApplication::translate("Localizable", "Break when your call ends");
    if (holding("screen shared"))
        return QCoreApplication::translate("Localizable", "Break when you stop sharing the screen");
    if (holding("full-screen window"))
        return QCoreApplication::translate("Localizable", "Break when you leave full screen");
    return QCoreApplication::translate("Localizable", "Break held while you are busy");
}

void BreakHold::poll()
{
    pollToken = 0;
    if (!isHeld())
        return;
    if (!holdingAllowed()) {
        release(QStringLiteral("holding turned off"));
        return;
    }
    // The scheduler stands still while the machine sleeps: the longest hold is measured on the
    // clock that does not.
    if (clock.steadyMs() - heldSinceMs >=
        qint64(std::max(0, preferences.intValue(HoldKey::maximum))) * 1000) {
        release(QStringLiteral("held as long as allowed"));
        return;
    }
    QPointer<BreakHold> weak(this);
    const quint64 askedFor = generation;
    presence->activeSources([weak, askedFor](const QStringList& active) {
        if (weak && weak->generation == askedFor && weak->isHeld())
            weak->answered(active);
    });
}

void BreakHold::answered(const QStringList& active)
{
    if (active.isEmpty()) {
        if (++quietAnswers >= quietAnswersToRelease) {
            release(QStringLiteral("nothing holds it any more"));
            return;
        }
    } else {
        quietAnswers = 0;
        for (const QString& text : active)
            if (!seen.contains(text))
                seen << text;
        const QString by = active.join(QStringLiteral(", "));
        if (by != heldBy.value()) {
            LOG_INFO(QStringLiteral("Break still held: ") + by);
            heldBy.accept(by);
        }
    }
    QPointer<BreakHold> weak(this);
    pollToken = scheduler.schedule(pollInterval, [weak] {
        if (weak)
            weak->poll();
    });
}

QString BreakHold::heldFor() const
{
    return QStringLiteral("for %1 s by %2")
        .arg((clock.steadyMs() - heldSinceMs) / 1000)
        .arg(seen.join(QStringLiteral(", ")));
}

void BreakHold::release(const QString& why)
{
    if (isHeld())
        LOG_INFO(QStringLiteral("Break released (%1) after being held %2").arg(why, heldFor()));
    auto start = std::exchange(pendingStart, nullptr);
    reset();
    if (start)
        start();
}

void BreakHold::cancel(const QString& why)
{
    if (isHeld())
        LOG_INFO(QStringLiteral("Held break dropped (%1) after being held %2").arg(why, heldFor()));
    reset();
}

void BreakHold::reset()
{
    ++generation;
    pendingStart = nullptr;
    for (Scheduler::Token* token : {&pollToken, &warningToken, &maximumToken}) {
        scheduler.cancel(*token);
        *token = 0;
    }
    seen.clear();
    quietAnswers = 0;
    if (isHeld())
        heldBy.accept(QString());
}
