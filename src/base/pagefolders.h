#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where the views read the pages that the program names, study/N.html and answers/N.html under
// the working folder. Either folder may be a link (the user's own folder links to the installed
// guide). The link is followed once, when the window opens, and the pages are read through
// where it led from then on: another install re-pointing it later does not take this window's
// pages away.
class PageFolders {
public:
    PageFolders() = default;
    // Follows the links named study and answers in the folder, as they are now.
    static PageFolders resolve(const QString& workingFolder);

    // The file to read for a full path: one below a linked page folder is read below the
    // folder that the link led to at the start.
    QString realPath(const QString& fullPath) const;

    // What the views may read: the working folder, the folders that the linked pages really
    // live in and, when such a folder is itself named study or answers, the folder holding it
    // (the guide, with its style sheet and pictures).
    const QStringList& readable() const { return m_readable; }

private:
    struct Linked {
        QString prefix; // the link's full path in the working folder
        QString target; // where it led at the start
    };
    QList<Linked> m_linked;
    QStringList m_readable;
};
