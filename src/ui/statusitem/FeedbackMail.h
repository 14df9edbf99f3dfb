#pragma once

#include <QSize>
#include <QString>
#include <QUrl>

// The "Send suggestion…" mail: a body describing this build and machine.
namespace FeedbackMail {

inline constexpr const char* supportAddress = "support@mirelo.org";

struct MachineFacts
{
    QString model;      // /sys/class/dmi/id/product_name
    QString desktop;    // the desktop and session, e.g. GNOME (wayland)
    QString resolutionName; // e.g. Full HD
    QString resolution;     // e.g. 1920x1080
    QString system;     // the "User Platform" line
    QString toolkit;    // the Qt version the program runs on
};

MachineFacts collect();
// The common name of a screen size in pixels ("Full HD", "4K UHD"), empty when it has none.
QString resolutionName(const QSize& pixels);
QString body(const MachineFacts& facts, const QString& shortVersion, const QString& buildNumber,
             const QString& releaseStage);
QUrl link(const QString& body);

} // namespace FeedbackMail
