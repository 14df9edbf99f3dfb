#include "linux/FprintdBiometrics.h"
#include "LogCapture.h"
#include "PrivateBus.h"
#include "PrivateBusTest.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

namespace {
const QString fprintd = QStringLiteral("net.reactivated.Fprint");
const QString devicePath = QStringLiteral("/net/reactivated/Fprint/Device/0");
const QString deviceInterface = QStringLiteral("net.reactivated.Fprint.Device");
} // namespace

// fprintd's protocol against a mock daemon that speaks its interface on a private bus.
class FprintdBiometricsTest : public PrivateBusTest
{
protected:
    bool startDaemon(const QString& parameters = QString())
    {
        const QString mock = QStringLiteral(MIRELO_DBUSMOCK_DIR "/fprintd.py");
        return bus->startTemplate(mock, fprintd, true, parameters);
    }
    // Starts a check and waits for its first answer.
    void evaluate(FprintdBiometrics& biometrics)
    {
        began.reset();
        finished.reset();
        Biometrics::Callbacks callbacks;
        callbacks.began = [this](bool started, const QString& error) { began = {started, error}; };
        callbacks.finished = [this](bool matched, const QString& error) { finished = {matched, error}; };
        biometrics.evaluate(std::move(callbacks));
        PrivateBus::waitFor([&] { return began.has_value(); }, 5000);
    }
    bool status(const QString& result, bool done)
    {
        return bus->emitSignal(fprintd, devicePath, deviceInterface, QStringLiteral("VerifyStatus"),
                               QStringLiteral("sb"), {result, done});
    }
    QStringList deviceCalls() { return bus->calledMethods(fprintd, devicePath); }

    std::optional<std::pair<bool, QString>> began;
    std::optional<std::pair<bool, QString>> finished;
};

TEST_F(FprintdBiometricsTest, AMatchAfterRetriesUnlocksAndTheReaderIsReleased)
{
    ASSERT_TRUE(startDaemon());
    FprintdBiometrics biometrics(bus->connection());
    evaluate(biometrics);
    ASSERT_TRUE(began.has_value());
    EXPECT_TRUE(began->first) << began->second.toStdString();
    EXPECT_EQ(deviceCalls(), (QStringList{QStringLiteral("ListEnrolledFingers"), QStringLiteral("Claim"),
                                          QStringLiteral("VerifyStart")}));

    // A wrong finger starts listening again; the retry statuses keep waiting.
    ASSERT_TRUE(status(QStringLiteral("verify-no-match"), true));
    ASSERT_TRUE(status(QStringLiteral("verify-retry-scan"), false));
    ASSERT_TRUE(
        PrivateBus::waitFor([&] { return deviceCalls().count(QStringLiteral("VerifyStart")) == 2; }, 5000));
    EXPECT_FALSE(finished.has_value());

    ASSERT_TRUE(status(QStringLiteral("verify-match"), true));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return finished.has_value(); }, 5000));
    EXPECT_TRUE(finished->first);
    EXPECT_TRUE(PrivateBus::waitFor([&] { return deviceCalls().endsWith(QStringLiteral("Release")); }, 5000));
    // Each check is stopped before the next and before the device is released.
    EXPECT_EQ(deviceCalls(), (QStringList{QStringLiteral("ListEnrolledFingers"), QStringLiteral("Claim"),
                                          QStringLiteral("VerifyStart"), QStringLiteral("VerifyStop"),
                                          QStringLiteral("VerifyStart"), QStringLiteral("VerifyStop"),
                                          QStringLiteral("Release")}));

    // A failure status ends the check and still releases.
    evaluate(biometrics);
    ASSERT_TRUE(status(QStringLiteral("verify-disconnected"), true));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return finished.has_value(); }, 5000));
    EXPECT_FALSE(finished->first);
    EXPECT_EQ(finished->second, QStringLiteral("verify-disconnected"));
    EXPECT_TRUE(
        PrivateBus::waitFor([&] { return deviceCalls().count(QStringLiteral("Release")) == 2; }, 5000));
}

TEST_F(FprintdBiometricsTest, ACancelReleasesAndNothingAnswersAfterIt)
{
    ASSERT_TRUE(startDaemon());
    FprintdBiometrics biometrics(bus->connection());
    evaluate(biometrics);
    ASSERT_TRUE(began && began->first);
    biometrics.invalidate();
    EXPECT_TRUE(PrivateBus::waitFor([&] { return deviceCalls().endsWith(QStringLiteral("Release")); }, 5000));
    EXPECT_EQ(deviceCalls(), (QStringList{QStringLiteral("ListEnrolledFingers"), QStringLiteral("Claim"),
                                          QStringLiteral("VerifyStart"), QStringLiteral("VerifyStop"),
                                          QStringLiteral("Release")}));
    ASSERT_TRUE(status(QStringLiteral("verify-match"), true));
    PrivateBus::waitFor([] { return false; }, 300);
    EXPECT_FALSE(finished.has_value());

    // The daemon going away during a check is a failure, not a wait for ever.
    evaluate(biometrics);
    ASSERT_TRUE(began && began->first);
    bus->stopMocks();
    EXPECT_TRUE(PrivateBus::waitFor([&] { return finished.has_value(); }, 5000));
    EXPECT_FALSE(finished && finished->first);
}

TEST_F(FprintdBiometricsTest, NoDaemonOrNoEnrolledFingerCannotEvaluate)
{
    FprintdBiometrics biometrics(bus->connection());
    evaluate(biometrics);
    ASSERT_TRUE(began.has_value());
    EXPECT_FALSE(began->first);
    EXPECT_TRUE(began->second.contains(QStringLiteral("ServiceUnknown"))) << began->second.toStdString();

    ASSERT_TRUE(startDaemon(QStringLiteral("{\"enrolled\": false}")));
    evaluate(biometrics);
    ASSERT_TRUE(began.has_value());
    EXPECT_FALSE(began->first);
    EXPECT_TRUE(began->second.contains(QStringLiteral("NoEnrolledPrints"))) << began->second.toStdString();
    EXPECT_FALSE(deviceCalls().contains(QStringLiteral("Claim")));
}
