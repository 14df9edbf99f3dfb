#include "linux/PortalGlobalShortcuts.h"

#include "diagnostics/Log.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <iterator>

namespace {
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");
// The ids the desktop lists the shortcuts by, in the order of bind().
const QStringList shortcutIds = {QStringLiteral("start-pomodoro"), QStringLiteral("short-break"),
                                 QStringLiteral("pause")};
const char* const descriptions[] = {QT_TRANSLATE_NOOP("Shortcuts", "Start a Pomodoro"),
                                    QT_TRANSLATE_NOOP("Shortcuts", "Short break"),
                                    QT_TRANSLATE_NOOP("Shortcuts", "Pause or resume the Pomodoro")};
static_assert(std::size(descriptions) == 3);

// Not there yet, or still starting: a portal that comes later is picked up.
bool isAbsent(const QDBusError& error)
{
    return error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::NoReply ||
           error.type() == QDBusError::Timeout || error.type() == QDBusError::TimedOut ||
           error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

// One entry of the portal's a(sa{sv}) shortcut lists.
struct PortalShortcut
{
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}
} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

PortalGlobalShortcuts* PortalGlobalShortcuts::create(QDBusConnection bus, QObject* parent)
{
    if (!bus.isConnected())
        return nullptr;
    // The portal is started on demand: the call starts it when nothing has yet. A portal without
    // the interface (GNOME's before 48) answers no version.
    QDBusMessage get = QDBusMessage::createMethodCall(
        portalService, portalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << shortcutsInterface << QStringLiteral("version");
    const QDBusMessage version = bus.call(get, QDBus::Block, startTimeoutMs);
    const bool absent = version.type() == QDBusMessage::ErrorMessage && isAbsent(QDBusError(version));
    if (version.type() != QDBusMessage::ReplyMessage && !absent)
        return nullptr;
    if (absent)
        LOG_INFO(QStringLiteral("No desktop portal yet: the global shortcuts are bound once one starts."));
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    return new PortalGlobalShortcuts(std::move(bus), parent);
}

PortalGlobalShortcuts::PortalGlobalShortcuts(QDBusConnection bus, QObject* parent)
    : GlobalShortcuts(parent), bus(std::move(bus)),
      portalWatcher(portalService, this->bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    // The whole message: QtDBus would not connect a slot taking the four arguments here.
    this->bus.connect(portalService, portalPath, shortcutsInterface, QStringLiteral("Activated"), this,
                      SLOT(shortcutActivated(QDBusMessage)));
    // A portal that starts later, or again after a crash, knows no session of ours.
    connect(&portalWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) {
                if (owner.isEmpty())
                    return;
                LOG_INFO(QStringLiteral("The desktop portal started: binding the global shortcuts."));
                bind(wanted);
            });
}

PortalGlobalShortcuts::~PortalGlobalShortcuts()
{
    closeSession();
}

QString PortalGlobalShortcuts::preferredTrigger(const QKeySequence& combination)
{
    if (combination.isEmpty())
        return {};
    const QKeyCombination chord = combination[0];
    QStringList parts;
    const Qt::KeyboardModifiers held = chord.keyboardModifiers();
    if (held & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (held & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (held & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (held & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    // Key names as XKB spells them: letters and digits in lower case, the rest as Qt names them
    // where the two agree (F1, Return, Escape); a space is "space".
    const Qt::Key key = chord.key();
    QString name = QKeySequence(key).toString(QKeySequence::PortableText);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        name = name.toLower();
    else if (key == Qt::Key_Space)
        name = QStringLiteral("space");
    if (name.isEmpty())
        return {};
    parts << name;
    return parts.join(QLatin1Char('+'));
}

QStringList PortalGlobalShortcuts::bind(const QList<QKeySequence>& combinations)
{
    wanted = combinations;
    // A session binds once: new combinations get a new session.
    closeSession();
    triggers.clear();
    Q_EMIT triggersChanged();
    bool any = false;
    for (const QKeySequence& combination : combinations)
        any = any || !combination.isEmpty();
    if (any)
        createSession();
    return QStringList(combinations.size(), QString());
}

void PortalGlobalShortcuts::setSuspended(bool suspend)
{
    // The desktop holds the keys; while a recorder records, their presses are not ours to act on.
    suspended = suspend;
}

void PortalGlobalShortcuts::request(const QString& method, const QVariantList& arguments, QVariantMap options)
{
    // The portal names the request object after our connection and a token of ours; watching it
    // before the call means a quick answer cannot be missed.
    const QString token = QStringLiteral("mirelo_shortcuts%1").arg(++counter);
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    if (!pendingRequest.isEmpty())
        bus.disconnect(portalService, pendingRequest, requestInterface, QStringLiteral("Response"), this,
                       SLOT(response(uint, QVariantMap, QDBusMessage)));
    pendingRequest = portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    pendingMethod = method;
    bus.connect(portalService, pendingRequest, requestInterface, QStringLiteral("Response"), this,
                SLOT(response(uint, QVariantMap, QDBusMessage)));
    options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, shortcutsInterface, method);
    call.setArguments(arguments + QVariantList{options});
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [method](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *call;
        if (reply.isError() && !isAbsent(reply.error()))
            LOG_ERROR(QStringLiteral("Global shortcuts portal: %1 failed: %2: %3")
                          .arg(method, reply.error().name(), reply.error().message()));
    });
}

void PortalGlobalShortcuts::createSession()
{
    request(QStringLiteral("CreateSession"), {},
            {{QStringLiteral("session_handle_token"), QStringLiteral("mirelo_session%1").arg(counter + 1)}});
}

void PortalGlobalShortcuts::bindShortcuts()
{
    QList<PortalShortcut> list;
    for (int i = 0; i < wanted.size() && i < shortcutIds.size(); ++i) {
        if (wanted[i].isEmpty())
            continue;
        QVariantMap properties{
            {QStringLiteral("description"), QCoreApplication::translate("Shortcuts", descriptions[i])}};
        if (const QString trigger = preferredTrigger(wanted[i]); !trigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), trigger);
        list.append({shortcutIds[i], properties});
    }
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(list), QString()}, {});
}

void PortalGlobalShortcuts::closeSession()
{
    if (session.isEmpty())
        return;
    bus.disconnect(portalService, session, sessionInterface, QStringLiteral("Closed"), this,
                   SLOT(sessionClosed(QVariantMap, QDBusMessage)));
    bus.asyncCall(
        QDBusMessage::createMethodCall(portalService, session, sessionInterface, QStringLiteral("Close")));
    session.clear();
}

void PortalGlobalShortcuts::response(uint code, const QVariantMap& results, const QDBusMessage& message)
{
    if (message.path() != pendingRequest)
        return;
    bus.disconnect(portalService, pendingRequest, requestInterface, QStringLiteral("Response"), this,
                   SLOT(response(uint, QVariantMap, QDBusMessage)));
    pendingRequest.clear();
    if (code != 0) {
        // 1: the user cancelled; 2: refused or failed.
        LOG_WARNING(QStringLiteral("Global shortcuts portal: %1 gave no answer (response %2).")
                        .arg(pendingMethod)
                        .arg(code));
        return;
    }
    if (pendingMethod == QLatin1String("CreateSession")) {
        session = results.value(QStringLiteral("session_handle")).toString();
        if (session.isEmpty())
            return;
        bus.connect(portalService, session, sessionInterface, QStringLiteral("Closed"), this,
                    SLOT(sessionClosed(QVariantMap, QDBusMessage)));
        bindShortcuts();
        return;
    }
    // What the desktop bound, which may be another trigger than the one asked for, or none.
    QList<PortalShortcut> bound;
    results.value(QStringLiteral("shortcuts")).value<QDBusArgument>() >> bound;
    triggers = QStringList(shortcutIds.size(), QString());
    for (const PortalShortcut& shortcut : std::as_const(bound)) {
        const qsizetype index = shortcutIds.indexOf(shortcut.id);
        if (index >= 0)
            triggers[index] = shortcut.properties.value(QStringLiteral("trigger_description")).toString();
    }
    LOG_INFO(QStringLiteral("Global shortcuts bound by the desktop: ") + triggers.join(QStringLiteral(", ")));
    Q_EMIT triggersChanged();
}

void PortalGlobalShortcuts::shortcutActivated(const QDBusMessage& message)
{
    const QVariantList args = message.arguments();
    const QString activeSession = args.value(0).value<QDBusObjectPath>().path();
    const qsizetype index = shortcutIds.indexOf(args.value(1).toString());
    if (suspended || session.isEmpty() || activeSession != session || index < 0)
        return;
    Q_EMIT activated(int(index));
}

void PortalGlobalShortcuts::sessionClosed(const QVariantMap&, const QDBusMessage& message)
{
    if (message.path() != session)
        return;
    LOG_WARNING(QStringLiteral("The desktop closed the global shortcuts session: the shortcuts do nothing "
                               "until they are set again."));
    bus.disconnect(portalService, session, sessionInterface, QStringLiteral("Closed"), this,
                   SLOT(sessionClosed(QVariantMap, QDBusMessage)));
    session.clear();
    triggers.clear();
    Q_EMIT triggersChanged();
}
