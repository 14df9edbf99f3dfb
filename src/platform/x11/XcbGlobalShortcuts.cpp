#include "x11/XcbGlobalShortcuts.h"

#include "diagnostics/Log.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <memory>

namespace {

constexpr std::uint32_t numLockKeysym = 0xff7f;
constexpr std::uint8_t badAccess = 10;

std::uint16_t modifierMask(Qt::KeyboardModifiers modifiers)
{
    std::uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};

} // namespace

std::uint32_t XcbGlobalShortcuts::keysym(QKeyCombination chord)
{
    const int qtKey = int(chord.key());
    if (chord.keyboardModifiers() & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return 0xffb0 + std::uint32_t(qtKey - Qt::Key_0);
        switch (qtKey) {
        case Qt::Key_Asterisk:
            return 0xffaa;
        case Qt::Key_Plus:
            return 0xffab;
        case Qt::Key_Minus:
            return 0xffad;
        case Qt::Key_Period:
            return 0xffae;
        case Qt::Key_Slash:
            return 0xffaf;
        case Qt::Key_Enter:
            return 0xff8d;
        default:
            break;
        }
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return std::uint32_t('a' + (qtKey - Qt::Key_A));
    // Latin-1 printable keys share their code with the keysym.
    if (qtKey >= 0x20 && qtKey <= 0xff)
        return std::uint32_t(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F35)
        return 0xffbe + std::uint32_t(qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Escape:
        return 0xff1b;
    case Qt::Key_Tab:
        return 0xff09;
    case Qt::Key_Backspace:
        return 0xff08;
    case Qt::Key_Return:
        return 0xff0d;
    case Qt::Key_Enter:
        return 0xff8d;
    case Qt::Key_Insert:
        return 0xff63;
    case Qt::Key_Delete:
        return 0xffff;
    case Qt::Key_Pause:
        return 0xff13;
    case Qt::Key_Print:
        return 0xff61;
    case Qt::Key_Home:
        return 0xff50;
    case Qt::Key_End:
        return 0xff57;
    case Qt::Key_Left:
        return 0xff51;
    case Qt::Key_Up:
        return 0xff52;
    case Qt::Key_Right:
        return 0xff53;
    case Qt::Key_Down:
        return 0xff54;
    case Qt::Key_PageUp:
        return 0xff55;
    case Qt::Key_PageDown:
        return 0xff56;
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_MediaPlay:
        return 0x1008ff14;
    case Qt::Key_MediaStop:
        return 0x1008ff15;
    case Qt::Key_MediaPrevious:
        return 0x1008ff16;
    case Qt::Key_MediaNext:
        return 0x1008ff17;
    default:
        return 0;
    }
}

XcbGlobalShortcuts* XcbGlobalShortcuts::create(QObject* parent)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return nullptr;
    return new XcbGlobalShortcuts(connection, screen->root, parent);
}

XcbGlobalShortcuts::XcbGlobalShortcuts(xcb_connection_t* connection, std::uint32_t root, QObject* parent)
    : GlobalShortcuts(parent), connection(connection), root(root), symbols(xcb_key_symbols_alloc(connection))
{
    xkbFirstEvent = queryXkbFirstEvent();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

std::uint8_t XcbGlobalShortcuts::queryXkbFirstEvent()
{
    static const char name[] = "XKEYBOARD";
    std::unique_ptr<xcb_query_extension_reply_t, FreeDeleter> reply(xcb_query_extension_reply(
        connection, xcb_query_extension(connection, sizeof name - 1, name), nullptr));
    return reply && reply->present ? reply->first_event : 0;
}

XcbGlobalShortcuts::~XcbGlobalShortcuts()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    ungrabAll();
    xcb_key_symbols_free(symbols);
}

std::uint16_t XcbGlobalShortcuts::numLockMask()
{
    // NumLock is whichever modifier the server maps its key to (usually Mod2).
    std::unique_ptr<std::uint8_t, FreeDeleter> numLockCodes(
        xcb_key_symbols_get_keycode(symbols, numLockKeysym));
    std::unique_ptr<xcb_get_modifier_mapping_reply_t, FreeDeleter> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (!numLockCodes || !mapping)
        return 0;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t code = codes[modifier * perModifier + i];
            for (const std::uint8_t* n = numLockCodes.get(); code && *n != XCB_NO_SYMBOL; ++n) {
                if (*n == code)
                    return std::uint16_t(1 << modifier);
            }
        }
    }
    return 0;
}

std::vector<XcbGlobalShortcuts::Grab> XcbGlobalShortcuts::plan(QStringList& problems)
{
    std::vector<Grab> wanted;
    const std::uint16_t numLock = numLockMask();
    const std::uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, numLock, std::uint16_t(XCB_MOD_MASK_LOCK | numLock)};
    problems.clear();
    for (int index = 0; index < bound.size(); ++index) {
        problems.append(QString());
        if (bound[index].isEmpty())
            continue;
        const QKeyCombination chord = bound[index][0];
        const std::uint32_t sym = keysym(chord);
        std::unique_ptr<std::uint8_t, FreeDeleter> codes(sym ? xcb_key_symbols_get_keycode(symbols, sym)
                                                             : nullptr);
        if (!codes || *codes == XCB_NO_SYMBOL) {
            problems[index] = QString::fromUtf8(QT_TRANSLATE_NOOP("Localizable", "This keyboard has no such key."));
            continue;
        }
        const std::uint16_t modifiers = modifierMask(chord.keyboardModifiers());
        for (const std::uint8_t* code = codes.get(); *code != XCB_NO_SYMBOL; ++code) {
            for (std::uint16_t lock : locks)
                wanted.push_back({index, *code, std::uint16_t(modifiers | lock)});
        }
    }
    return wanted;
}

QStringList XcbGlobalShortcuts::grabAll(const std::vector<Grab>& wanted, QStringList problems)
{
    std::vector<xcb_void_cookie_t> cookies;
    for (const Grab& grab : wanted) {
        grabs.push_back(grab);
        cookies.push_back(xcb_grab_key_checked(connection, 0, root, grab.modifiers, grab.keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        std::unique_ptr<xcb_generic_error_t, FreeDeleter> error(xcb_request_check(connection, cookies[i]));
        if (!error)
            continue;
        const int index = wanted[i].index;
        if (error->error_code == badAccess)
            problems[index] = QString::fromUtf8(QT_TRANSLATE_NOOP("Localizable", "Another program already uses this combination."));
        else if (problems[index].isEmpty())
            problems[index] = QString::fromUtf8(QT_TRANSLATE_NOOP("Localizable", "The X server refused this combination."));
    }
    return problems;
}

void XcbGlobalShortcuts::ungrabAll()
{
    for (const Grab& grab : grabs)
        xcb_ungrab_key(connection, grab.keycode, root, grab.modifiers);
    grabs.clear();
    grabbed = false;
    held = -1;
    xcb_flush(connection);
}

QStringList XcbGlobalShortcuts::bind(const QList<QKeySequence>& combinations)
{
    // The keyboard map may have changed since the last binding.
    xcb_key_symbols_free(symbols);
    symbols = xcb_key_symbols_alloc(connection);
    if (suspended) {
        ungrabAll();
        bound = combinations;
        QStringList none;
        for (int i = 0; i < bound.size(); ++i)
            none.append(QString());
        return none;
    }
    const QList<QKeySequence> before = bound;
    bound = combinations;
    QStringList missing;
    std::vector<Grab> wanted = plan(missing);
    // Another program remapping keys we do not use still sends a map event; releasing and taking
    // the grabs again would lose a press that falls in between.
    if (grabbed && before == combinations && wanted == planned)
        return problems;
    ungrabAll();
    problems = grabAll(wanted, missing);
    planned = std::move(wanted);
    grabbed = true;
    // A partly refused combination is released whole: it would work only with some locks on.
    for (int index = 0; index < problems.size(); ++index) {
        if (problems[index].isEmpty())
            continue;
        for (auto it = grabs.begin(); it != grabs.end();) {
            if (it->index == index) {
                xcb_ungrab_key(connection, it->keycode, root, it->modifiers);
                it = grabs.erase(it);
            } else {
                ++it;
            }
        }
    }
    xcb_flush(connection);
    return problems;
}

void XcbGlobalShortcuts::setSuspended(bool suspend)
{
    if (suspend == suspended)
        return;
    suspended = suspend;
    if (suspended)
        ungrabAll();
    else
        bind(bound);
}

bool XcbGlobalShortcuts::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & ~0x80;
    // A new layout or keyboard moves keys to other keycodes: the old grabs would catch other keys.
    // XKB sends its own map events (byte 1 is their kind: 0 new keyboard, 1 map) to clients that,
    // as Qt does, asked for them, and the core MappingNotify to the others.
    const bool xkbMapChanged =
        xkbFirstEvent && type == xkbFirstEvent && (event->pad0 == 0 || event->pad0 == 1);
    if (type == XCB_MAPPING_NOTIFY || xkbMapChanged) {
        if (!rebindQueued) {
            rebindQueued = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    rebindQueued = false;
                    LOG_INFO(QStringLiteral("The keyboard map changed: binding the global shortcuts again"));
                    Q_EMIT keyboardChanged();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    if ((type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) || grabs.empty())
        return false;
    auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
    // Only the passive grabs on the root window are shortcuts. A key sent to one of our windows
    // (the break overlay holding the keyboard) is that window's key, whatever it matches.
    if (key->event != root) {
        if (type == XCB_KEY_RELEASE) {
            lastReleaseTime = key->time;
            lastReleaseKeycode = key->detail;
            held = -1;
        }
        return false;
    }
    for (const Grab& grab : grabs) {
        if (grab.keycode != key->detail || grab.modifiers != (key->state & 0xff))
            continue;
        if (type == XCB_KEY_RELEASE) {
            lastReleaseTime = key->time;
            lastReleaseKeycode = key->detail;
            held = -1;
            return true;
        }
        // Auto-repeat comes as presses while held, or as a release and a press at the same time.
        const bool repeat =
            held == grab.index || (key->detail == lastReleaseKeycode && key->time == lastReleaseTime);
        held = grab.index;
        if (!repeat)
            Q_EMIT activated(grab.index);
        return true;
    }
    // A release after a modifier went up first no longer matches the grab's modifiers.
    if (type == XCB_KEY_RELEASE) {
        lastReleaseTime = key->time;
        lastReleaseKeycode = key->detail;
        held = -1;
    }
    return false;
}
