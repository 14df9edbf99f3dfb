#pragma once

#include <QString>

#include <optional>

// The file-manager path accessors of the data folder. Nothing is cached: every call
// recomputes its path and recreates missing folders.
namespace DataFolder {

inline constexpr const char* bundleIdentifier = "org.mirelo.Mirelo";

std::optional<QString> appDataRootDirectory();
bool createFolderIfNotExist(const QString& path);
std::optional<QString> dataDirectory();
// Ends in "/".
std::optional<QString> wallpapersDirectory();
std::optional<QString> wallpaperConfPath();
std::optional<QString> newsConfPath();
std::optional<QString> appInfoPath();
std::optional<QString> quotesPath();
std::optional<QString> databasePath();

// Discards a folder by moving it into the temporary directory under a name derived from the
// current time in milliseconds.
bool moveFolderToTmp(const QString& path);

// The unique name moveFolderToTmp uses for a given moment.
QString tmpNameForTime(double secondsSinceReferenceDate);

} // namespace DataFolder

// Lower-case hexadecimal MD5 of the text's UTF-8 bytes (32 characters).
QString md5(const QString& text);
