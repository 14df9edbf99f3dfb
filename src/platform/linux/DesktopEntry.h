#pragma once

#include <QString>

// Writing desktop entries (autostart, launcher actions).
namespace DesktopEntry {

// One program path as an Exec argument: quoted, with the characters the quoting reserves
// escaped, then escaped again as a string value, and "%" doubled so it is no field code.
QString execArgument(const QString& program);

// This program's path, "mirelo" when it is unknown.
QString runningProgram();

// Replaces the file atomically when its content differs, creating its folder. False on failure,
// with the reason in error.
bool writeIfChanged(const QString& path, const QByteArray& content, QString* error = nullptr);

} // namespace DesktopEntry
