#pragma once

#include "records/Interval.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Every record as comma-separated values, for a spreadsheet or another program: id, type
// name, start and end in ISO 8601 with the offset of the user's time zone, seconds.
namespace TaskExport {

QString typeName(int type);
QByteArray csv(const std::vector<Interval>& tasks);
// Writes the file whole or not at all (write aside, then rename); false with the reason.
bool writeCsv(const QString& path, const std::vector<Interval>& tasks, QString* error);

} // namespace TaskExport
