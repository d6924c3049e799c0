#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bytes of the report file: each line ending in CR LF, in Windows-1252.
QByteArray reportBytes(const QStringList& lines);

// Saves the report lines as one file, each line ending in CR LF, in Windows-1252.
// The file is written beside its final name and renamed over it, so a failed write never
// leaves half a report, and a symbolic link in its place is replaced rather than written
// through. Raises AppError "Cannot create file "<full path>". <system error>" on failure.
// Temporary files that an earlier write left behind (the program was killed during it) are
// removed first; one that another window is writing at this moment is left alone.
void saveReportFile(const QString& fullPath, const QStringList& lines);

// Where there is no place for the report, raises the same error, with that as the cause.
[[noreturn]] void refuseReportFile(const QString& fullPath);
