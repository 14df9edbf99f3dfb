#pragma once

#include <QDBusConnection>
#include <QStringList>
#include <QTextStream>

// `mirelo pomodoro | short-break | long-break | stop | status`: a client of the running
// instance over the session bus.
namespace CommandLineClient {

// True when the first argument is a subcommand (or a word meant as one) or asks for help or
// the version; options of Qt's own start the application.
bool isClientInvocation(const QStringList& arguments);

// Runs the subcommand; returns the process exit code (0 done, 1 no instance or failure,
// 2 unknown subcommand).
int run(const QStringList& arguments, QDBusConnection bus, QTextStream& out, QTextStream& err);

} // namespace CommandLineClient
