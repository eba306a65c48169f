#pragma once

// The write-ahead log of the tables the answers are written to, and how the program knows its own.
//
// While the program writes answers, their tables run in the engine's WAL mode: a commit appends to
// the log, and a thread of the program syncs the log to the disk a moment later. The engine would
// check any file named <table>-wal beside a table into it, also one from another database, so a log
// is accepted only when it is provably the table's own: each log session first gives the table's
// header a random stamp (user_version, in rollback mode), then switches to WAL and writes the
// header again, so the log's first frame is page 1 carrying the same stamp. No connection of the
// program checkpoints while the session runs (the log is never restarted), so a valid first frame
// always names the session it belongs to. When the writer closes, the table returns to the rollback
// journal and the log is gone.

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <string>
#include <vector>

// Whether the log beside the file (if any) may be opened with it: there is none, or it holds no
// valid frame (the engine ignores it), or its first frame is page 1 with the file's own non-zero
// stamp while the file is in WAL mode.
bool LogPatriTabulce(const std::filesystem::path& soubor);

// Whether the file's header is in WAL mode with a stamp of the program (a session's file).
bool TabulkaSeZnackouLogu(const std::filesystem::path& soubor);

// Starts a log session for `schema` of the connection, or joins the one another connection runs,
// with synchronous=NORMAL: a commit appends to the log without waiting for the disk, and
// SynchronizujLogy puts it on the disk in the background. True when `schema` runs in the log.
// The log is a speed-up only: when the file cannot be switched (read-only, locked elsewhere) it
// stays in the rollback journal (synchronous=FULL), nothing is reported, and false is returned.
bool ZacniLog(SQLite::Database& db, const std::string& schema);

// Puts the given logs (the files <table>-wal) on the disk a moment later, in a thread of its own,
// so that the learner never waits for the disk: a kill loses nothing committed (the operating
// system holds it), a power cut the commits of that moment. Logs committed to meanwhile are synced
// once. A log that is gone (checked in and deleted) needs nothing.
void SynchronizujLogy(const std::vector<std::filesystem::path>& logy);
// Waits until every log handed to SynchronizujLogy so far is on the disk.
void DokonciSynchronizaci();
// The first failure of a sync since the last call (naming the file), empty when there was none.
std::string ChybaSynchronizace();

// Returns `schema` to the rollback journal when this is the last connection using the log; a log
// still used elsewhere stays. Never throws.
void UkonciLog(SQLite::Database& db, const std::string& schema);

// For a change of several tables at once, which must be atomic across the files: the table is in
// the rollback journal afterwards, or ChybaTabulky naming the file says that another program
// writes into it now.
void VyzadejDenik(SQLite::Database& db, const std::string& schema, const std::string& jmenoSouboru);
