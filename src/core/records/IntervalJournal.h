#pragma once

#include "records/Interval.h"

#include <QString>

#include <vector>

// Finished intervals the database refused, on disk until it takes them: a quit, a logout or a
// crash in between must not lose them. The file lives outside the data folder (which may be
// the very thing that is read-only or full) and is replaced as a whole, synced before and
// after the rename, so it always holds either the old or the new list.
class IntervalJournal
{
public:
    struct Entry
    {
        Interval task;
        // Lengthens the row it was read from (a postponed Pomodoro) rather than adding one.
        bool update = false;
    };

    explicit IntervalJournal(QString filePath);

    // $XDG_STATE_HOME/org.mirelo.Mirelo/unsaved-intervals.json
    static QString defaultPath();

    QString filePath() const { return path; }
    // The entries on disk, oldest first; none of a file that cannot be read (which is then
    // left where it is, never written over).
    std::vector<Entry> load();
    // Replaces the file with these entries, removing it when there are none. False when they
    // could not be made durable.
    bool save(const std::vector<Entry>& entries);

private:
    QString path;
    // A file there that could not be read: kept for the user, never replaced.
    bool blocked = false;
};
