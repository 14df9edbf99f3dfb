#pragma once

#include <QString>

#include <utility>

// The program's error cases, in their fixed order; app, server, script and db carry a text.
struct ProgramError
{
    enum class Kind
    {
        app,
        server,
        script,
        db,
        unknown,
        pluginExists
    };

    Kind kind = Kind::unknown;
    QString message;

    static ProgramError app(QString text) { return {Kind::app, std::move(text)}; }
    static ProgramError server(QString text) { return {Kind::server, std::move(text)}; }
    static ProgramError script(QString text) { return {Kind::script, std::move(text)}; }
    static ProgramError db(QString text) { return {Kind::db, std::move(text)}; }
    static ProgramError unknown() { return {Kind::unknown, {}}; }
    static ProgramError pluginExists() { return {Kind::pluginExists, {}}; }

    // The carried text, or the case name for the cases without one.
    QString description() const
    {
        switch (kind) {
        case Kind::app:
        case Kind::server:
        case Kind::script:
        case Kind::db:
            return message;
        case Kind::unknown:
            return QStringLiteral("unknown");
        case Kind::pluginExists:
            return QStringLiteral("pluginExists");
        }
        return QStringLiteral("unknown");
    }
};
