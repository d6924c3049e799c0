#include "app/documentactions.h"

#include "base/errortext.h"
#include "base/pageaddress.h"
#include "base/pagefile.h"
#include "widgets/errorbox.h"
#include "widgets/htmlview.h"
#include "widgets/pagecontrol.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

const QString kStudyPage = QStringLiteral("TabSheet2");
const QString kPracticePage = QStringLiteral("TabSheet1");
const QString kTestPage = QStringLiteral("TabSheet4");

} // namespace

DocumentActions::Dialogs DocumentActions::desktopDialogs() {
    Dialogs dialogs;
    dialogs.saveName = [](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(
            parent, QStringLiteral("Save a Copy of the Report"), suggested,
            QStringLiteral("Web pages (*.html *.htm);;All files (*)"));
    };
    dialogs.print = [](QWidget* parent, QTextDocument& document) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() == QDialog::Accepted)
            document.print(&printer);
    };
    dialogs.inform = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, parent->windowTitle(), text);
    };
    return dialogs;
}

DocumentActions::DocumentActions(QWidget* window, ErrorBox* errorBox, Dialogs dialogs)
    : QObject(window), m_window(window), m_errorBox(errorBox), m_dialogs(std::move(dialogs)) {
    auto* save = new QShortcut(QKeySequence::Save, window);
    connect(save, &QShortcut::activated, this, &DocumentActions::saveReportCopy);
    auto* print = new QShortcut(QKeySequence::Print, window);
    connect(print, &QShortcut::activated, this, &DocumentActions::print);
}

QString DocumentActions::currentPage() const {
    const auto* pages = m_window->findChild<PageControl*>(QStringLiteral("PageControl1"));
    const QWidget* page = pages ? pages->currentPage() : nullptr;
    return page ? page->objectName() : QString();
}

QByteArray DocumentActions::lastReport() {
    const QString path = PageAddress::fullPath(QStringLiteral("result.html"));
    // Read by the views' own rules: a regular file in the working folder, of a sane size.
    const PageFile::Result file = PageFile::read(path, {QDir::currentPath()});
    if (file.status == PageFile::Status::Read && !file.bytes.isEmpty())
        return file.bytes;
    if (!QFileInfo::exists(path))
        m_dialogs.inform(m_window, QStringLiteral("There is no report yet. It is made when a "
                                                  "test ends, and kept in %1.")
                                       .arg(QDir::toNativeSeparators(QDir::currentPath())));
    else
        fail(QStringLiteral("The report \"%1\" cannot be read").arg(path));
    return {};
}

void DocumentActions::saveReportCopy() {
    if (currentPage() != kTestPage)
        return;
    const QByteArray report = lastReport();
    if (report.isEmpty())
        return;
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("orvane-report.html"));
    const QString target = m_dialogs.saveName(m_window, suggested);
    if (target.isEmpty())
        return;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(report) != report.size() || !file.commit())
        fail(QStringLiteral("Cannot create file \"%1\". %2").arg(target, file.errorString()));
}

void DocumentActions::print() {
    const QString page = currentPage();
    if (page == kTestPage) {
        const QByteArray report = lastReport();
        if (report.isEmpty())
            return;
        QTextDocument document;
        document.setHtml(PageFile::decode(report));
        document.setMetaInformation(QTextDocument::DocumentTitle,
                                    QStringLiteral("Orvane test report"));
        m_dialogs.print(m_window, document);
        return;
    }
    // The answer view is there, but folded to no width, until an answer is asked for.
    const char* viewName = page == kStudyPage      ? "WebBrowser1"
                           : page == kPracticePage ? "WebBrowser2"
                                                   : nullptr;
    auto* view = viewName ? m_window->findChild<HtmlView*>(QLatin1String(viewName)) : nullptr;
    if (view && view->width() > 0)
        m_dialogs.print(m_window, *view->document());
}

void DocumentActions::fail(const QString& message) {
    if (m_errorBox)
        m_errorBox->show(errorBoxText(message));
}
