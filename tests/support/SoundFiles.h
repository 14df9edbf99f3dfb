#pragma once

#include <QByteArray>
#include <QtEndian>

// Sound files as their encoders begin them, for the checks that tell by content what plays.
namespace SoundFiles {

// A WAV file of silence (or a tone's worth of bytes) in PCM of the given sample size.
inline QByteArray wave(double seconds, int bits = 16, int rate = 8000)
{
    const quint32 bytes = quint32(seconds * rate) * quint32(bits / 8);
    QByteArray out("RIFF");
    auto le = [&out](quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            out.append(char((value >> (8 * i)) & 0xff));
    };
    le(36 + bytes, 4);
    out.append("WAVEfmt ");
    le(16, 4);
    le(bits == 32 ? 3 : 1, 2); // 32 bits: floating point
    le(1, 2);
    le(quint32(rate), 4);
    le(quint32(rate * bits / 8), 4);
    le(quint32(bits / 8), 2);
    le(quint32(bits), 2);
    out.append("data");
    le(bytes, 4);
    out.append(QByteArray(int(bytes), char(bits == 8 ? 0x80 : 0)));
    return out;
}

// The first page of an Ogg stream whose first packet is the codec's identification header
// ("\x01vorbis…" or "OpusHead…").
inline QByteArray ogg(const QByteArray& firstPacket)
{
    QByteArray page("OggS");
    page.append('\0').append('\x02');
    page.append(QByteArray(8 + 4 + 4 + 4, '\0')); // granule, serial, sequence, checksum
    page.append('\x01').append(char(firstPacket.size()));
    return page + firstPacket;
}

inline QByteArray vorbis()
{
    return ogg(QByteArray("\x01vorbis\0\0\0\0\x01\x44\xac\0\0", 16) + QByteArray(14, '\0'));
}

inline QByteArray opus()
{
    return ogg(QByteArray("OpusHead\x01\x01\x38\x01\x80\xbb\0\0\0\0\0", 19));
}

} // namespace SoundFiles
