#include "linux/CanberraEventSound.h"
#include "LogCapture.h"
#include "PipeWireGraph.h"
#include "PrivateBusTest.h"
#include "SoundFiles.h"
#include "TestEnvironment.h"

#include <QFile>
#include <QTemporaryDir>

TEST(CanberraEventSoundTest, GlassIsTheThemesCompleteSoundAndTheBundledChimeIsAWaveFile)
{
    EXPECT_EQ(CanberraEventSound::eventId(QStringLiteral("Glass")), QStringLiteral("complete"));
    EXPECT_EQ(CanberraEventSound::eventId(QStringLiteral("bell")), QStringLiteral("bell"));
}

class CanberraPlaybackTest : public TestEnvironment
{};

TEST_F(CanberraPlaybackTest, BundledChimeIsCopiedOutOnceAsARealFile)
{
    const QString path = CanberraEventSound::bundledSoundFile();
    ASSERT_FALSE(path.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(12);
    EXPECT_TRUE(header.startsWith("RIFF"));
    EXPECT_EQ(header.mid(8, 4), QByteArray("WAVE"));
    EXPECT_EQ(CanberraEventSound::bundledSoundFile(), path);
}

class CanberraOnPipeWireTest : public PrivateBusTest
{};

// Through a real sound server: a long file plays until the next sound (a Play click, an event)
// stops it; two never play over each other.
TEST_F(CanberraOnPipeWireTest, TheNextSoundStopsTheOneStillPlaying)
{
    QTemporaryDir runtime;
    PipeWireGraph graph(runtime.path() + QStringLiteral("/run"), bus->address());
    if (!graph.isRunning())
        GTEST_SKIP() << "PipeWire is not available";
    graph.useInThisProcess();
    const QString longFile = tempHome() + QStringLiteral("/long.wav");
    writeFile(longFile, SoundFiles::wave(20));
    {
        CanberraEventSound sound;
        SoundRequest request;
        request.file = longFile;
        ASSERT_TRUE(sound.playSound(request));
        EXPECT_TRUE(PrivateBus::waitFor([&] { return graph.playingStreams() == 1; }, 5000));
        EXPECT_TRUE(sound.isPlaying());
        ASSERT_TRUE(sound.playSound(request));
        PrivateBus::waitFor([] { return false; }, 500);
        EXPECT_EQ(graph.playingStreams(), 1);
        sound.stop();
        EXPECT_TRUE(PrivateBus::waitFor([&] { return graph.playingStreams() == 0; }, 5000));
        EXPECT_FALSE(sound.isPlaying());
    }
}
