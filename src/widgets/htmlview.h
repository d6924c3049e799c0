#pragma once

#include "base/pagefolders.h"

#include <QTextBrowser>

#include <optional>

// One of the window's HTML views. Its single operation opens a page by a path relative to the
// current working directory. It reads local files from under that folder only, from where its
// study/ and answers/ links led when the view was made, and from the installed guide folder
// where there is one: a page, link, style sheet or picture that leads elsewhere, that is no
// regular file, too large or unreadable is never read. For a page the view shows a short page
// of its own instead; a picture or style sheet is left out.
class HtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent, const char* name);

    void Navigate(const QString& relativePath);
    QString currentPath() const { return source().toLocalFile(); }

    // A read-only folder of installed pages that the view may read besides the working folder.
    void setGuideFolder(const QString& folder) { m_guideFolder = folder; }
    // Where study/ and answers/ are read from; the view takes them from the current working
    // directory when it is made.
    void setPageFolders(const PageFolders& folders) { m_folders = folders; }

    // A page that holds this mark between its parts (a report between its questions) is read
    // in pieces that end with it: the first screen's worth at once, the rest in the next turns
    // of the event loop, a few milliseconds each, so that a key pressed meanwhile is answered.
    void setPieceMark(const QString& mark) { m_pieceMark = mark; }
    // Whether part of the page is still to be read.
    bool isReading() const { return !m_pieces.isEmpty(); }
    // Draws the dotted focus frame inside the view while it has the keyboard focus: for a view
    // whose caret may stand where it cannot be seen, such as at the start of a report.
    void setShowsFocusFrame(bool shows) { m_showsFocusFrame = shows; }

    QVariant loadResource(int type, const QUrl& name) override;
    // A page's text as this view would read it, through the same checks; none where the view
    // would show its own page instead.
    std::optional<QString> readPage(const QString& relativePath) const;
    // Lays the rest of the page out now, so that the view can scroll to any place in it.
    void finishLayout();

signals:
    // A page has been opened (or opened again), its text in place.
    void pageOpened();

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QStringList readableFolders() const;
    // Lays out some more of the page below its first screen, for a few milliseconds at most.
    // Returns whether the page is now laid out to its end.
    bool layOutSome();
    // Reads some more pieces of the page, for a few milliseconds at most, and asks for the next
    // turn while any are left.
    void readSomePieces();

    QString m_guideFolder;
    PageFolders m_folders;
    int m_laidOutTo = -1; // how far the page is laid out, while its layout is unfinished
    QString m_pieceMark;
    bool m_inPieces = false; // the page being opened may be read in pieces
    QStringList m_pieces;    // what is still to be read
    int m_readRevision = 0;  // the page's revision after the last piece read
    bool m_showsFocusFrame = false;
};
