#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reads the local files that the HTML views show: pages, style sheets and pictures. Only
// regular files under one of the allowed folders are read, never more than kMaxBytes, and
// never by a call that can block (a FIFO or a device named by a page would hang the window).
class PageFile {
public:
    // The largest guide page is about 20 KB; anything near this is not a guide page.
    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

    enum class Status { Read, Outside, NotRegular, TooLarge, Unreadable };
    struct Result {
        Status status = Status::Unreadable;
        QByteArray bytes;
    };

    // Whether a file, after every symbolic link in its path is resolved, lies under one of
    // the folders (each resolved the same way).
    static bool isInside(const QString& path, const QStringList& folders);
    static Result read(const QString& path, const QStringList& folders);

    // Pages are UTF-8; a page that is not valid UTF-8 (result.html among them) is Windows-1252.
    static QString decode(const QByteArray& bytes);
};
