#include "linux/CanberraEventSound.h"
#include "LogCapture.h"
#include "TestEnvironment.h"

#include <QFile>

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
