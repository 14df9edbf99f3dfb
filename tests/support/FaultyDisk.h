#pragma once

// File-system faults as SQLite meets them. Once installed, every connection opened through the
// default VFS (the program's) goes through a thin layer that can refuse writes as a full disk
// does, or refuse everything as for a process that has died mid-way. Connections that name the
// "unix" VFS (a test's own reader or lock holder) never see the faults.
namespace FaultyDisk {

// Idempotent; wraps SQLite's default VFS.
void install();
// Writes fail with SQLITE_FULL; reads go on.
void setFull(bool full);
// Locks, writes and syncs fail with an I/O error: nothing a dying process does reaches the file.
void setDead(bool dead);

} // namespace FaultyDisk
