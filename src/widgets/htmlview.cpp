#include "widgets/htmlview.h"

#include "base/pageaddress.h"
#include "base/pagefile.h"
#include "widgets/focusframe.h"
#include "widgets/label.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

// What one turn of the event loop gives to laying out a page below its first screen: well
// within a frame, so that a key pressed meanwhile is answered at once.
constexpr qint64 kLayoutBudgetNs = 4'000'000;
constexpr int kLayoutChunk = 500; // characters between two looks at the clock
// A piece of a page read in pieces holds at least this many characters: more than a screen.
constexpr qsizetype kPieceChars = 2000;

} // namespace

HtmlView::HtmlView(QWidget* parent, const char* name)
    : QTextBrowser(parent),
      m_folders(PageFolders::resolve(PageAddress::fullPath(QStringLiteral(".")))) {
    setObjectName(QLatin1String(name));
    // The pages' heading sizes are relative to this font: Qt takes CSS sizes of headings
    // only as keywords (large, medium), not in pixels.
    setFont(controls::font(QStringLiteral("Verdana"), 12));
    setOpenLinks(true);
    setOpenExternalLinks(true);
    // Tab leaves the page for the next control rather than walking every link of a chapter.
    setTabChangesFocus(true);
    // A caret that the arrow keys move is what a screen reader follows to read a page line by
    // line, and from start to end; Enter follows the link under it.
    setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
    // Qt lays out what lies below the first screen in steps that double in size, and the last
    // step of a long chapter or report would hold the window for more than a frame. The view
    // takes those steps over and keeps each one short (layOutSome).
    document()->documentLayout()->installEventFilter(this);
}

void HtmlView::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    // A page read into a view of a given width is laid out again after each piece the reader
    // adds: a long chapter was laid out many times over before it first showed. Read with no
    // width, it is built without a layout, which then starts once, from the top, and lays out
    // only the first screen at once. A link to a place in a page needs the layout to find it.
    if (!name.fragment().isEmpty()) {
        const bool otherPage =
            name.adjusted(QUrl::RemoveFragment) != source().adjusted(QUrl::RemoveFragment);
        QTextBrowser::doSetSource(name, type);
        if (otherPage)
            emit pageOpened();
        return;
    }
    const QSizeF width = document()->pageSize();
    document()->setPageSize(QSizeF(0, 0)); // null: no layout
    m_pieces.clear();
    m_inPieces = type == QTextDocument::HtmlResource && !m_pieceMark.isEmpty();
    QTextBrowser::doSetSource(name, type);
    m_inPieces = false;
    document()->setPageSize(width);
    m_laidOutTo = 0;
    if (!m_pieces.isEmpty()) {
        m_readRevision = document()->revision();
        QTimer::singleShot(0, this, &HtmlView::readSomePieces);
    }
    emit pageOpened();
}

void HtmlView::readSomePieces() {
    // Another page, or other text, took this one's place meanwhile.
    if (m_pieces.isEmpty() || document()->revision() != m_readRevision) {
        m_pieces.clear();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    // Added where the last piece ended, the pieces make the same document as the page read
    // whole: each one ends between two of the page's parts.
    do
        end.insertHtml(m_pieces.takeFirst());
    while (!m_pieces.isEmpty() && clock.nsecsElapsed() < kLayoutBudgetNs);
    m_readRevision = document()->revision();
    if (!m_pieces.isEmpty())
        QTimer::singleShot(0, this, &HtmlView::readSomePieces);
}

bool HtmlView::eventFilter(QObject* watched, QEvent* event) {
    // The layout's timers: its next step, or the news of its finished size. While the page is
    // unfinished, each tick lays out a short piece instead; the tick that finishes it goes on
    // to the layout, which then tells its size.
    if (event->type() == QEvent::Timer && m_laidOutTo >= 0 &&
        watched == document()->documentLayout())
        return !layOutSome();
    return QTextBrowser::eventFilter(watched, event);
}

bool HtmlView::layOutSome() {
    QTextDocument* page = document();
    const int end = page->characterCount();
    QElapsedTimer clock;
    clock.start();
    do {
        m_laidOutTo = qMin(end, m_laidOutTo + kLayoutChunk);
        // Asking where a block lies lays the page out as far as that block.
        page->documentLayout()->blockBoundingRect(page->findBlock(m_laidOutTo - 1));
    } while (m_laidOutTo < end && clock.nsecsElapsed() < kLayoutBudgetNs);
    if (m_laidOutTo < end)
        return false;
    m_laidOutTo = -1;
    return true;
}

void HtmlView::Navigate(const QString& relativePath) {
    const QUrl url = QUrl::fromLocalFile(m_folders.realPath(PageAddress::fullPath(relativePath)));
    // Opening the page already shown loads it afresh and returns to its top.
    if (url == source())
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
}

QVariant HtmlView::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const QString path =
        url.isLocalFile() || url.scheme().isEmpty() ? m_folders.realPath(url.path()) : QString();
    const PageFile::Result file =
        path.isEmpty() ? PageFile::Result{} : PageFile::read(path, readableFolders());
    const bool text =
        type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource;
    if (file.status == PageFile::Status::Read && text && !m_inPieces)
        return PageFile::decode(file.bytes);
    if (file.status == PageFile::Status::Read && text) {
        // The page being opened: the first piece is read now, the others are kept for later.
        m_inPieces = false;
        const QString page = PageFile::decode(file.bytes);
        qsizetype from = 0;
        QStringList pieces;
        for (;;) {
            qsizetype at = page.indexOf(m_pieceMark, from + kPieceChars);
            if (at >= 0)
                at += m_pieceMark.size();
            if (at < 0 || QStringView(page).mid(at).trimmed().isEmpty()) {
                pieces << page.mid(from);
                break;
            }
            pieces << page.mid(from, at - from);
            from = at;
        }
        m_pieces = pieces.mid(1);
        return pieces.first();
    }
    // Never an empty answer: QTextDocument would then read the file itself, past every check.
    if (type == QTextDocument::StyleSheetResource)
        return QString();
    if (type != QTextDocument::HtmlResource) {
        // Nor anything but a whole image: Qt's image handler would then load the raw src
        // itself, from wherever it names.
        QImage image;
        if (file.status == PageFile::Status::Read)
            image.loadFromData(file.bytes);
        if (image.isNull()) {
            image = QImage(1, 1, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        return image;
    }
    const QString shown = (path.isEmpty() ? url.toString() : QDir::cleanPath(path)).toHtmlEscaped();
    if (file.status == PageFile::Status::TooLarge)
        return tr("<html><body><h3>This page cannot be opened</h3>"
                  "<p>The file <b>%1</b> is too large to be a page of the guide "
                  "(more than %2 MiB).</p></body></html>")
            .arg(shown)
            .arg(PageFile::kMaxBytes / (1024 * 1024));
    return tr("<html><body><h3>This page cannot be opened</h3>"
              "<p>The file <b>%1</b> could not be opened.</p></body></html>")
        .arg(shown);
}

void HtmlView::finishLayout() {
    if (m_laidOutTo < 0)
        return;
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    const QSizeF size = layout->documentSize(); // lays out what is left
    m_laidOutTo = -1;
    // The scroll bars learn the size from this, which the layout would send on its next tick.
    emit layout->documentSizeChanged(size);
}

QStringList HtmlView::readableFolders() const {
    QStringList folders = m_folders.readable();
    if (!m_guideFolder.isEmpty())
        folders << m_guideFolder;
    return folders;
}

std::optional<QString> HtmlView::readPage(const QString& relativePath) const {
    const PageFile::Result file =
        PageFile::read(m_folders.realPath(PageAddress::fullPath(relativePath)), readableFolders());
    if (file.status != PageFile::Status::Read)
        return std::nullopt;
    return PageFile::decode(file.bytes);
}

void HtmlView::keyPressEvent(QKeyEvent* event) {
    // Qt follows a link on Enter only once Tab has selected it, and Tab leaves the view here;
    // so Enter follows the link the caret stands in.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !textCursor().hasSelection()) {
        QTextCursor next = textCursor();
        next.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        if (next.charFormat().isAnchor())
            setTextCursor(next);
    }
    QTextBrowser::keyPressEvent(event);
}

bool HtmlView::focusNextPrevChild(bool next) {
    // QTextBrowser would walk every link of the page first.
    return QTextEdit::focusNextPrevChild(next);
}

void HtmlView::paintEvent(QPaintEvent* event) {
    QTextBrowser::paintEvent(event);
    if (!m_showsFocusFrame || !hasFocus())
        return;
    QPainter painter(viewport());
    drawFocusFrame(painter, viewport()->rect().adjusted(1, 1, -1, -1),
                   palette().color(QPalette::Text));
}

void HtmlView::focusInEvent(QFocusEvent* event) {
    QTextBrowser::focusInEvent(event);
    if (m_showsFocusFrame)
        viewport()->update();
}

void HtmlView::focusOutEvent(QFocusEvent* event) {
    QTextBrowser::focusOutEvent(event);
    if (m_showsFocusFrame)
        viewport()->update();
}

void HtmlView::scrollContentsBy(int dx, int dy) {
    QTextBrowser::scrollContentsBy(dx, dy);
    // A scroll moves the pixels already drawn, the frame with them; it is drawn afresh.
    if (m_showsFocusFrame && hasFocus())
        viewport()->update();
}
