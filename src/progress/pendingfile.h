#pragma once

#include "progress/historydatabase.h"

// What could not be written to the history before the program ended, kept in a small file
// beside it (history.sqlite.pending-<token>) that the next run applies. Each file is applied
// once, in one transaction with its token, whichever window comes to it first.
namespace pendingfile {

// Writes the entries to a new file of their own; returns its path, or empty with `error` set.
QString save(const QString& historyPath, const QList<HistoryDatabase::Entry>& entries,
             QString* error);
// Every pending file beside the history that is a regular file of the user's, as a job with
// its token and path.
QList<HistoryDatabase::Job> load(const QString& historyPath);

QByteArray encode(const QList<HistoryDatabase::Entry>& entries);
QList<HistoryDatabase::Entry> decode(const QByteArray& text);

} // namespace pendingfile
