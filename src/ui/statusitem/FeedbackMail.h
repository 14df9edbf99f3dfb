#pragma once

#include <QString>
#include <QUrl>

// The "Send suggestion…" mail: a body describing this build and machine.
namespace FeedbackMail {

inline constexpr const char* supportAddress = "support@mirelo.org";

struct MachineFacts
{
    QString model;      // /sys/class/dmi/id/product_name
    QString size;       // the main screen's physical size, e.g. 24"
    QString resolution; // e.g. 1920x1080
    QString system;     // the "User Platform" line
};

MachineFacts collect();
QString body(const MachineFacts& facts, const QString& shortVersion, const QString& buildNumber,
             const QString& releaseStage);
QUrl link(const QString& body);

} // namespace FeedbackMail
