#pragma once

#include "records/Interval.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Every record as comma-separated values, for a spreadsheet or another program: id, type
// name, start and end in ISO 8601 with the offset of the user's time zone, seconds (end minus
// start), then the paused and the focused seconds. New columns only ever go at the end, so a
// reader of the first five keeps working.
namespace TaskExport {

QString typeName(int type);
QByteArray header();
// One record's line, with its line break.
QByteArray row(const Interval& task);
QByteArray csv(const std::vector<Interval>& tasks);

} // namespace TaskExport
