#include "widgets/htmlview.h"

#include "base/cp1252.h"
#include "widgets/label.h"
#include "base/pageaddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextDocument>

HtmlView::HtmlView(QWidget* parent, const char* name) : QTextBrowser(parent) {
    setObjectName(QLatin1String(name));
    // The pages' heading sizes are relative to this font: Qt takes CSS sizes of headings
    // only as keywords (large, medium), not in pixels.
    setFont(controls::font(QStringLiteral("Verdana"), 12));
    setOpenLinks(true);
    setOpenExternalLinks(true);
}

void HtmlView::Navigate(const QString& relativePath) {
    const QUrl url = QUrl::fromLocalFile(PageAddress::fullPath(relativePath));
    // Opening the page already shown loads it afresh and returns to its top.
    if (url == source())
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
}

QString HtmlView::decodePage(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    // result.html is written in Windows-1252, and so may be any older page.
    return utf8.hasError() ? cp1252::decode(bytes) : text;
}

bool HtmlView::isInsideWorkingDir(const QString& path) {
    const QString file = QFileInfo(path).canonicalFilePath();
    const QString root = QDir::current().canonicalPath();
    return !file.isEmpty() && !root.isEmpty() && file.startsWith(root + u'/');
}

QVariant HtmlView::loadResource(int type, const QUrl& name) {
    const QString path = name.isLocalFile() || name.scheme().isEmpty() ? name.path() : QString();
    QFile file(path);
    if (!path.isEmpty() && isInsideWorkingDir(path) && QFileInfo(path).isFile() &&
        file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
            return decodePage(bytes);
        return bytes;
    }
    if (type != QTextDocument::HtmlResource)
        return {};
    const QString shown = path.isEmpty() ? name.toString() : QDir::cleanPath(path);
    return QStringLiteral("<html><body><h3>This page cannot be opened</h3>"
                          "<p>The file <b>%1</b> could not be opened.</p></body></html>")
        .arg(shown.toHtmlEscaped());
}
