#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QVariant>

// A value as D-Bus services send it: possibly wrapped in variants, some of them still
// unmarshalled, some more than once. Bounded, so a malformed answer cannot loop.
inline QVariant unwrapDBusVariant(QVariant value)
{
    for (int depth = 0; depth < 8; ++depth) {
        if (value.userType() == qMetaTypeId<QDBusVariant>()) {
            value = value.value<QDBusVariant>().variant();
        } else if (value.userType() == qMetaTypeId<QDBusArgument>()) {
            QDBusVariant inner;
            value.value<QDBusArgument>() >> inner;
            value = inner.variant();
        } else {
            break;
        }
    }
    return value;
}
