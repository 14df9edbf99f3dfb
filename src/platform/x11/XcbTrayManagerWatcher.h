#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

struct xcb_connection_t;

// Tells when an XEmbed tray takes the screen's tray selection: a tray announces itself with a
// "MANAGER" message on the root window. Nothing is polled, so no tray costs no wake-up.
class XcbTrayManagerWatcher final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    // Null when the application does not run on X11.
    static XcbTrayManagerWatcher* create(QObject* parent = nullptr);
    ~XcbTrayManagerWatcher() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

Q_SIGNALS:
    void trayAppeared();

private:
    XcbTrayManagerWatcher(xcb_connection_t* connection, std::uint32_t root, int screen, QObject* parent);
    std::uint32_t atom(const char* name);

    xcb_connection_t* connection;
    std::uint32_t manager = 0;
    std::uint32_t traySelection = 0;
};
