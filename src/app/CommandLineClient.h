#pragma once

#include <QDBusConnection>
#include <QStringList>
#include <QTextStream>

// `mirelo pomodoro | short-break | long-break | stop | status`: a client of the running
// instance over the session bus.
namespace CommandLineClient {

// True when the arguments name a subcommand (or ask for help or the version).
bool isClientInvocation(const QStringList& arguments);

// Runs the subcommand; returns the process exit code (0 done, 1 no instance or failure,
// 2 unknown subcommand).
int run(const QStringList& arguments, QDBusConnection bus, QTextStream& out, QTextStream& err);

} // namespace CommandLineClient
