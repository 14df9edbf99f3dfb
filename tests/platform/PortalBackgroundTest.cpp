#include "linux/PortalBackgroundLoginItems.h"
#include "LogCapture.h"
#include "PrivateBus.h"
#include "PrivateBusTest.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Launch at login in a sandbox through the Background portal, a mock on a private bus: what is
// asked, an answer that grants it, one that refuses, a user who cancels, no portal at all.
class PortalBackgroundTest : public PrivateBusTest
{
protected:
    bool portal(const QString& parameters = QStringLiteral("{}"))
    {
        bus->stopMocks();
        return bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/background_portal.py"),
                                  QStringLiteral("org.freedesktop.portal.Desktop"), false, parameters);
    }
    // The options of every request the portal received.
    QList<QVariantMap> requests()
    {
        const QDBusMessage reply = bus->connection().call(QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/mock"),
            QStringLiteral("org.freedesktop.portal.Mock"), QStringLiteral("GetRequests")));
        QList<QVariantMap> found;
        const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            QVariantMap options;
            list >> options;
            found << options;
        }
        list.endArray();
        return found;
    }
    // Asks and waits for the answer; nullopt when none came.
    std::optional<bool> ask(PortalBackgroundLoginItems& items, bool enabled)
    {
        QSignalSpy answered(&items, &PortalBackgroundLoginItems::answered);
        if (!items.setEnabled(enabled))
            return std::nullopt;
        if (!PrivateBus::waitFor([&] { return !answered.isEmpty(); }, 5000))
            return std::nullopt;
        return answered.first().first().toBool();
    }
};

TEST_F(PortalBackgroundTest, TheDesktopIsAskedAndItsAnswerIsWhatCounts)
{
    QTemporaryDir sandbox;
    EXPECT_FALSE(PortalBackgroundLoginItems::sandboxed(sandbox.filePath(QStringLiteral(".flatpak-info"))));
    QFile marker(sandbox.filePath(QStringLiteral(".flatpak-info")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    EXPECT_TRUE(PortalBackgroundLoginItems::sandboxed(marker.fileName()));

    ASSERT_TRUE(portal());
    PortalBackgroundLoginItems items(bus->connection());
    EXPECT_EQ(ask(items, true), std::optional<bool>(true));
    EXPECT_TRUE(items.isEnabled());
    const QList<QVariantMap> asked = requests();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].value(QStringLiteral("autostart")).toBool());
    EXPECT_EQ(asked[0].value(QStringLiteral("commandline")).toStringList(), QStringList{QStringLiteral("mirelo")});
    EXPECT_FALSE(asked[0].value(QStringLiteral("reason")).toString().isEmpty());
    // Turned off: the portal is asked to remove it.
    EXPECT_EQ(ask(items, false), std::optional<bool>(false));
    EXPECT_FALSE(requests().value(1).value(QStringLiteral("autostart")).toBool());

    // Background allowed, the start at login not: it is off.
    ASSERT_TRUE(portal(QStringLiteral(R"({"autostart": false})")));
    EXPECT_EQ(ask(items, true), std::optional<bool>(false));
    EXPECT_FALSE(items.isEnabled());
    // The user cancelled the question.
    ASSERT_TRUE(portal(QStringLiteral(R"({"response": 1})")));
    EXPECT_EQ(ask(items, true), std::optional<bool>(false));
    // No portal: the call fails and says so.
    bus->stopMocks();
    EXPECT_EQ(ask(items, true), std::optional<bool>(false));
    EXPECT_FALSE(items.isEnabled());
}
