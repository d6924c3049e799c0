#pragma once

#include <QString>
#include <QStringList>

// The program's world is one working folder holding study/ and answers/ and receiving
// result.html. Started in such a folder (guide/ in the source tree), it stays there. Started
// anywhere else (from the desktop menu, or a terminal in the home folder) it works in the
// user's own data folder, $XDG_DATA_HOME/orvane, where symbolic links reach the installed
// guide: every user gets a writable place for reports, and nobody gets a copy of the pages.
class WorkingFolder {
public:
    // What the choice depends on, read once from the process so that tests can set it.
    struct Environment {
        QString home;          // $HOME
        QString dataHome;      // $XDG_DATA_HOME
        QString dataDirs;      // $XDG_DATA_DIRS
        QString programFolder; // the folder that holds the running program

        static Environment fromProcess(const QString& programFolder);
    };

    struct Choice {
        QString folder;      // the folder to work in; empty: stay in the start folder
        QString guideFolder; // installed pages the views may read; empty when none is used
        QString problem;     // why the user's folder could not be used, for the terminal
    };

    static bool holdsPages(const QString& folder);

    // $XDG_DATA_HOME/orvane, or ~/.local/share/orvane; empty when neither can be named (the
    // base directory rules ignore relative paths).
    static QString userFolder(const Environment& environment);

    // Where installed pages may be, in order: the data folder of the program's own install
    // prefix (so a staged or relocated install finds its own pages), then $XDG_DATA_DIRS.
    static QStringList guideCandidates(const Environment& environment);
    static QString installedGuide(const Environment& environment);

    // Decides where to work, and prepares the user's folder on disk when that is where.
    static Choice choose(const QString& startFolder, const Environment& environment);

    // Makes each top-level entry of the guide reachable from the folder by a link of the
    // same name. The user's own files there are never replaced; a link left by another
    // install is. Returns what went wrong, or an empty string.
    static QString linkGuide(const QString& folder, const QString& guide);

private:
    static QString makeFolder(const QString& path);
};
