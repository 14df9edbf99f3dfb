#pragma once

#include <QByteArray>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

// One application object for the whole run: the HTML conversion needs the font machinery.
inline void fuzzInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static QGuiApplication app(*argc, *argv);
}

inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A property that must hold for every input; abort() makes libFuzzer keep the input.
inline void fuzzRequire(bool condition)
{
    if (!condition)
        std::abort();
}
