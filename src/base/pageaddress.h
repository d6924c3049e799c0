#pragma once

#include <QString>

// Turns the relative page paths that the pages build ("study/3.html") into the full path that
// an HTML view opens, against the process's current working directory.
class PageAddress {
public:
    static QString fullPath(const QString& relativePath);

    // Paths with a drive letter would be asked for their network (server-and-share) name.
    // Linux paths have no drive letters, and there is no such lookup: it always fails, so the
    // expanded path goes on unchanged.
    static bool hasDriveLetter(const QString& path);
    static bool universalName(const QString& path, QString* universal);
};
