#include "linux/CanberraEventSound.h"

#include "diagnostics/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

#include <canberra.h>

namespace {
constexpr const char* bundledResource = ":/sounds/break-end.wav";
}

CanberraEventSound::CanberraEventSound() = default;

CanberraEventSound::~CanberraEventSound()
{
    if (context)
        ca_context_destroy(context);
}

QString CanberraEventSound::eventId(const QString& name)
{
    if (name == QLatin1String("Glass"))
        return QStringLiteral("complete");
    return name;
}

QString CanberraEventSound::bundledSoundFile()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QString path = folder + QStringLiteral("/break-end.wav");
    QFile resource(QString::fromLatin1(bundledResource));
    if (QFile::exists(path) && QFileInfo(path).size() == resource.size())
        return path;
    QDir().mkpath(folder);
    QFile::remove(path);
    if (!resource.copy(path)) {
        LOG_ERROR(QStringLiteral("Can't copy the bundled sound to ") + path);
        return {};
    }
    return path;
}

bool CanberraEventSound::open()
{
    if (context)
        return true;
    if (openFailed)
        return false;
    int result = ca_context_create(&context);
    if (result == CA_SUCCESS) {
        const QByteArray appName = QCoreApplication::applicationName().toUtf8();
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, appName.constData(),
                                CA_PROP_APPLICATION_ID, "org.mirelo.Mirelo", nullptr);
        result = ca_context_open(context);
    }
    if (result != CA_SUCCESS) {
        LOG_ERROR(QStringLiteral("No event sounds: ") + QString::fromUtf8(ca_strerror(result)));
        if (context)
            ca_context_destroy(context);
        context = nullptr;
        openFailed = true;
        return false;
    }
    return true;
}

bool CanberraEventSound::play(const QString& name)
{
    if (!open())
        return false;
    const QByteArray id = eventId(name).toUtf8();
    int result = ca_context_play(context, nextSound(), CA_PROP_EVENT_ID, id.constData(),
                                 CA_PROP_EVENT_DESCRIPTION, "Break finished", nullptr);
    if (result == CA_SUCCESS)
        return true;
    LOG_WARNING(QStringLiteral("Sound \"") + QString::fromUtf8(id) + QStringLiteral("\" not played: ") +
                QString::fromUtf8(ca_strerror(result)) + QStringLiteral("; using the bundled one."));
    const QByteArray file = QFile::encodeName(bundledSoundFile());
    if (file.isEmpty())
        return false;
    result = ca_context_play(context, currentSound, CA_PROP_MEDIA_FILENAME, file.constData(),
                             CA_PROP_EVENT_DESCRIPTION, "Break finished", nullptr);
    if (result != CA_SUCCESS) {
        LOG_ERROR(QStringLiteral("Bundled sound not played: ") + QString::fromUtf8(ca_strerror(result)));
        return false;
    }
    return true;
}

quint32 CanberraEventSound::nextSound()
{
    // One sound at a time: a Play click or an event stops the one still playing (a long file).
    stop();
    return currentSound = ++soundCounter;
}

void CanberraEventSound::stop()
{
    if (context && currentSound)
        ca_context_cancel(context, currentSound);
}

bool CanberraEventSound::isPlaying() const
{
    int playing = 0;
    return context && currentSound && ca_context_playing(context, currentSound, &playing) == CA_SUCCESS &&
           playing;
}

QByteArray CanberraEventSound::decibels(double volume)
{
    // Below a thousandth the sound is inaudible anyway; log10(0) would be minus infinity.
    const double level = std::clamp(volume, 0.001, 1.0);
    return QByteArray::number(20.0 * std::log10(level), 'f', 2);
}

bool CanberraEventSound::playSound(const SoundRequest& request)
{
    if (request.volume <= 0)
        return true;
    if (!open())
        return false;
    const QByteArray volume = decibels(request.volume);
    const QByteArray what = request.description.toUtf8();
    int result = CA_ERROR_NOTFOUND;
    if (!request.file.isEmpty()) {
        const QByteArray file = QFile::encodeName(request.file);
        result = ca_context_play(context, nextSound(), CA_PROP_MEDIA_FILENAME, file.constData(), CA_PROP_MEDIA_ROLE,
                                 "event", CA_PROP_CANBERRA_VOLUME, volume.constData(),
                                 CA_PROP_EVENT_DESCRIPTION, what.constData(), nullptr);
    } else {
        const QByteArray id = request.eventId.toUtf8();
        result = ca_context_play(context, nextSound(), CA_PROP_EVENT_ID, id.constData(), CA_PROP_MEDIA_ROLE, "event",
                                 CA_PROP_CANBERRA_VOLUME, volume.constData(), CA_PROP_EVENT_DESCRIPTION,
                                 what.constData(), nullptr);
    }
    if (result == CA_SUCCESS)
        return true;
    LOG_WARNING(QStringLiteral("Sound \"%1\" not played: %2; using the bundled one.")
                    .arg(request.file.isEmpty() ? request.eventId : request.file,
                         QString::fromUtf8(ca_strerror(result))));
    const QByteArray bundled = QFile::encodeName(bundledSoundFile());
    if (bundled.isEmpty())
        return false;
    result = ca_context_play(context, currentSound, CA_PROP_MEDIA_FILENAME, bundled.constData(), CA_PROP_MEDIA_ROLE,
                             "event", CA_PROP_CANBERRA_VOLUME, volume.constData(), CA_PROP_EVENT_DESCRIPTION,
                             what.constData(), nullptr);
    if (result != CA_SUCCESS) {
        LOG_ERROR(QStringLiteral("Bundled sound not played: ") + QString::fromUtf8(ca_strerror(result)));
        return false;
    }
    return true;
}
