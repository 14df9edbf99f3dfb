#pragma once

#include "shortcuts/GlobalShortcuts.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <vector>

struct xcb_connection_t;
struct _XCBKeySymbols;

// Global shortcuts on X11: passive key grabs on the root window, one per keycode of the key and
// per combination of CapsLock and NumLock, matched in a native event filter.
class XcbGlobalShortcuts final : public GlobalShortcuts, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    // Null when the application does not run on X11.
    static XcbGlobalShortcuts* create(QObject* parent = nullptr);
    ~XcbGlobalShortcuts() override;

    QStringList bind(const QList<QKeySequence>& combinations) override;
    void setSuspended(bool suspended) override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The X keysym of a Qt key, 0 when there is none; keypad keys have keysyms of their own.
    static std::uint32_t keysym(QKeyCombination chord);

private:
    XcbGlobalShortcuts(xcb_connection_t* connection, std::uint32_t root, QObject* parent);

    struct Grab
    {
        int index;
        std::uint8_t keycode;
        std::uint16_t modifiers;
        bool operator==(const Grab&) const = default;
    };
    // The grabs the bound combinations need on today's keyboard map; a key the map lacks is
    // told in problems, per index.
    std::vector<Grab> plan(QStringList& problems);
    // Grabs what was planned; answers why one was refused, per index.
    QStringList grabAll(const std::vector<Grab>& planned, QStringList problems);
    void ungrabAll();
    std::uint16_t numLockMask();
    // XKB's first event code, 0 without the extension: its map events say the keyboard changed.
    std::uint8_t queryXkbFirstEvent();

    xcb_connection_t* connection;
    std::uint32_t root;
    _XCBKeySymbols* symbols;
    QList<QKeySequence> bound;
    std::vector<Grab> grabs;
    // The last binding's plan and answer: a map event that moves none of its keys keeps the grabs.
    std::vector<Grab> planned;
    QStringList problems;
    bool grabbed = false;
    bool suspended = false;
    // The index whose key is down, so that auto-repeat runs the action once.
    int held = -1;
    std::uint32_t lastReleaseTime = 0;
    std::uint8_t lastReleaseKeycode = 0;
    std::uint8_t xkbFirstEvent = 0;
    bool rebindQueued = false;
};
