#pragma once

#include "diagnostics/Log.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <optional>

// Reads a service's JSON configuration file. A file that cannot be read or decoded is removed
// and the initial configuration is used: the services rebuild it from the web.
template <typename Conf>
Conf loadConfFile(const QString& path)
{
    const bool exists = QFileInfo::exists(path);
    QFile file(path);
    if (exists && file.open(QIODevice::ReadOnly)) {
        if (std::optional<Conf> loaded = Conf::fromJson(file.readAll()))
            return *loaded;
    }
    if (exists) {
        LOG_ERROR(QStringLiteral("Read from conf file failed, will remove conf file"));
        if (!QFile::remove(path))
            LOG_ERROR(QStringLiteral("Remove conf file failed"));
    } else {
        LOG_INFO(QStringLiteral("Wallpaper config file not exist"));
    }
    return Conf{};
}
