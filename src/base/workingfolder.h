#pragma once

#include <QString>
#include <QStringList>

// The program's world is one working folder holding study/ and answers/ and receiving
// result.html. Started in such a folder (guide/ in the source tree), it stays there. Started
// anywhere else (from the desktop menu, or a terminal in the home folder) it works in the
// user's own data folder, $XDG_DATA_HOME/orvane, where symbolic links reach the installed
// guide: every user gets a writable place for reports, and nobody gets a copy of the pages.
// The installed guide itself is never a working folder: where the user's folder cannot be
// had, its pages are shown and no report is kept.
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
        QString folder;         // the folder to work in; empty: stay in the start folder
        QString guideFolder;    // installed pages the views may read; empty when none is used
        QString problem;        // why the user's folder could not be used, for the terminal
        bool reportKept = true; // false: there is no place for the report
    };

    static bool holdsPages(const QString& folder);
    // A start folder that holds either page folder is a working folder of its own.
    static bool holdsSomePages(const QString& folder);

    // $XDG_DATA_HOME/orvane, or ~/.local/share/orvane; empty when neither can be named (the
    // base directory rules ignore relative paths).
    static QString userFolder(const Environment& environment);

    // Where installed pages may be, in order: the data folder of the program's own install
    // prefix (so a staged or relocated install finds its own pages), then $XDG_DATA_DIRS.
    static QStringList guideCandidates(const Environment& environment);
    static QString installedGuide(const Environment& environment);

    // The user's own folder, made if it is not there yet, for what the program keeps for the
    // user wherever it works (the history); empty where it cannot be had or is no safe place,
    // with the reason in *problem.
    static QString ownFolder(const Environment& environment, QString* problem);

    // Decides where to work, and prepares the user's folder on disk when that is where.
    static Choice choose(const QString& startFolder, const Environment& environment);

    // Makes each top-level entry of the guide reachable from the folder by a link of the
    // same name. The user's own files there are never replaced; a link left by another
    // install is, and one into a guide that is gone is removed. Returns what went wrong, or an
    // empty string.
    static QString linkGuide(const QString& folder, const QString& guide);

private:
    static QString makeFolder(const QString& path);
    // Why a folder is no safe place for the user's reports: it leads into installed pages, or
    // someone else owns it or may write to it. Empty when it is.
    static QString refusal(const QString& folder, const QStringList& guides);
    // Which of the user's own files keeps the pages from being linked.
    static QString blocker(const QString& folder, const QString& guide);
};
