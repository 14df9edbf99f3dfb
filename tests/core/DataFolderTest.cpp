#include "LogCapture.h"
#include "TestEnvironment.h"
#include "settings/DataFolder.h"
#include "settings/Path.h"

#include <QDir>
#include <QFileInfo>

class DataFolderTest : public TestEnvironment
{
};

TEST_F(DataFolderTest, FileAccessorsCreateTheFoldersButNotTheFiles)
{
    ASSERT_FALSE(QFileInfo::exists(dataRoot()));
    const auto quotes = DataFolder::quotesPath();
    ASSERT_TRUE(quotes);
    EXPECT_EQ(*quotes, dataRoot() + QStringLiteral("/Data/quotes.json"));
    EXPECT_TRUE(QFileInfo(dataRoot() + QStringLiteral("/Data")).isDir());
    EXPECT_FALSE(QFileInfo::exists(*quotes));

    for (const auto& path : {DataFolder::wallpaperConfPath(), DataFolder::newsConfPath(), DataFolder::appInfoPath(),
                             DataFolder::databasePath()}) {
        ASSERT_TRUE(path);
        EXPECT_FALSE(path->endsWith(QLatin1Char('/')));
    }
    EXPECT_EQ(*DataFolder::wallpapersDirectory(), dataRoot() + QStringLiteral("/Data/Wallpapers/"));
    EXPECT_TRUE(QFileInfo(dataRoot() + QStringLiteral("/Data/Wallpapers")).isDir());
}

TEST_F(DataFolderTest, DeletedFolderIsRecreatedAtNextAccess)
{
    ASSERT_TRUE(DataFolder::wallpapersDirectory());
    QDir(dataRoot() + QStringLiteral("/Data")).removeRecursively();
    ASSERT_TRUE(DataFolder::wallpapersDirectory());
    EXPECT_TRUE(QFileInfo(dataRoot() + QStringLiteral("/Data/Wallpapers")).isDir());
}

TEST_F(DataFolderTest, DataRootThatIsAFileGivesNoPathsAndKeepsTheFile)
{
    writeFile(dataRoot(), "user's file");
    EXPECT_EQ(DataFolder::dataDirectory(), std::nullopt);
    EXPECT_EQ(DataFolder::appInfoPath(), std::nullopt);
    EXPECT_EQ(readFile(dataRoot()), QByteArray("user's file"));
    EXPECT_TRUE(log().containsAt(Log::Level::error,
                                 QStringLiteral("Can't create folder! Path: ") + dataRoot() + QStringLiteral("/Data")));
}

TEST_F(DataFolderTest, CreateFolderDoesNotCreateMissingParents)
{
    const QString path = tempHome() + QStringLiteral("/missing/child");
    EXPECT_FALSE(DataFolder::createFolderIfNotExist(path));
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Can't create folder! Path: ") + path));
    EXPECT_TRUE(DataFolder::createFolderIfNotExist(tempHome())); // existing
}

TEST_F(DataFolderTest, MoveFolderToTmp)
{
    EXPECT_FALSE(DataFolder::moveFolderToTmp(tempHome() + QStringLiteral("/nothing")));
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Folder not exist!")));

    const QString folder = *DataFolder::wallpapersDirectory();
    writeFile(folder + QStringLiteral("a.jpg"), "jpeg");
    ASSERT_TRUE(DataFolder::moveFolderToTmp(folder));
    EXPECT_FALSE(QFileInfo::exists(folder));
    const QStringList moved = QDir(tempHome()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved.first().size(), 32);
    EXPECT_EQ(readFile(tempHome() + QLatin1Char('/') + moved.first() + QStringLiteral("/a.jpg")), QByteArray("jpeg"));
}

TEST_F(DataFolderTest, SameMillisecondNameCollidesAndTheSecondMoveFails)
{
    EXPECT_EQ(DataFolder::tmpNameForTime(818000000.1234), DataFolder::tmpNameForTime(818000000.1236));
    EXPECT_EQ(DataFolder::tmpNameForTime(818000000.1234), md5(QStringLiteral("818000000123")));
    EXPECT_NE(DataFolder::tmpNameForTime(818000000.123), DataFolder::tmpNameForTime(818000000.125));
}

TEST_F(DataFolderTest, Md5IsLowerCaseHexOfUtf8)
{
    EXPECT_EQ(md5(QString()), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    EXPECT_EQ(md5(QStringLiteral("abcd")), QStringLiteral("e2fc714c4727ee9395f324cd2e7f331f"));
    EXPECT_EQ(md5(QString::fromUtf8("\xc3\xa9")), QStringLiteral("66ddcd97cfdeabb2f6fb8a999b4bc76f"));
}

TEST_F(DataFolderTest, PathOperations)
{
    Path root = Path::root();
    EXPECT_EQ(root.string, dataRoot());
    EXPECT_TRUE(QFileInfo(dataRoot()).isDir());
    EXPECT_EQ(root.url.toLocalFile(), dataRoot());

    Path logs = root + QStringLiteral("data") + QStringLiteral("logs");
    logs.mkdir();
    EXPECT_TRUE(QFileInfo(logs.string).isDir());
    log().clear();
    logs.mkdir(); // existing: nothing happens, nothing is logged
    EXPECT_TRUE(log().messages().isEmpty());

    writeFile(logs.string + QStringLiteral("/2026-01-01.log"), "x");
    writeFile(logs.string + QStringLiteral("/.hidden"), "x");
    EXPECT_EQ(logs.children().size(), 1);
    EXPECT_EQ(logs.fileURLList(false).size(), 2);
    EXPECT_TRUE((logs + QStringLiteral("2026-01-01.log")).fileURLList(true).isEmpty());
    EXPECT_TRUE((logs + QStringLiteral("missing")).fileURLList(true).isEmpty());
    ASSERT_TRUE((logs + QStringLiteral("2026-01-01.log")).readAttributes());
    EXPECT_EQ((logs + QStringLiteral("2026-01-01.log")).readAttributes()->value(QStringLiteral("size")).toLongLong(), 1);
    EXPECT_EQ((logs + QStringLiteral("missing")).readAttributes(), std::nullopt);

    Path::remove(QUrl::fromLocalFile(logs.string + QStringLiteral("/2026-01-01.log")));
    EXPECT_TRUE(logs.children().isEmpty());
    Path::remove(QUrl::fromLocalFile(logs.string + QStringLiteral("/missing")));
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Error: ")));
}

TEST_F(DataFolderTest, MkdirUnderAFileRaises)
{
    writeFile(tempHome() + QStringLiteral("/file"), "x");
    Path inside = Path(tempHome() + QStringLiteral("/file")) + QStringLiteral("sub");
    EXPECT_THROW(inside.mkdir(), PathError);
}
