#include "app/documentactions.h"

#include "base/errortext.h"
#include "selftest/reportfile.h"
#include "selftest/testpage.h"
#include "widgets/errorbox.h"
#include "widgets/htmlview.h"
#include "widgets/pagecontrol.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextDocument>

#include <memory>

namespace {

const QString kStudyPage = QStringLiteral("TabSheet2");
const QString kPracticePage = QStringLiteral("TabSheet1");
const QString kTestPage = QStringLiteral("TabSheet4");

// What the printed report opens with; the report itself names no test.
QString reportHeading(const TestPage::Report& report) {
    const QLocale locale;
    const QString date = locale.toString(report.finished.date(), QLocale::LongFormat) +
                         QStringLiteral(", ") +
                         locale.toString(report.finished.time(), QLocale::ShortFormat);
    QString rows;
    const std::pair<const char*, QString> items[] = {{"Date", date},
                                                     {"Number of questions", report.questions},
                                                     {"Correct", report.correct},
                                                     {"Incorrect", report.incorrect},
                                                     {"Success Rate", report.successRate}};
    for (const auto& [caption, value] : items)
        rows += QStringLiteral("<tr><td>%1:</td><td>%2</td></tr>")
                    .arg(QLatin1String(caption), value.toHtmlEscaped());
    return QStringLiteral("<h2>Orvane Test Results</h2><table cellpadding=\"2\">%1</table><hr>")
        .arg(rows);
}

} // namespace

QString DocumentActions::startFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

DocumentActions::Dialogs DocumentActions::desktopDialogs() {
    Dialogs dialogs;
    dialogs.saveName = [](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(
            parent, QStringLiteral("Save a Copy of the Report"), suggested,
            QStringLiteral("Web pages (*.html *.htm);;All files (*)"));
    };
    dialogs.print = [](QWidget* parent, QTextDocument& document) {
        // The fonts are in pixels: at the screen's resolution they print at the size seen.
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
        // Qt's dialog proposes a PDF file in the current folder, which is the hidden working
        // folder here; it takes the folder while it is built.
        std::unique_ptr<QPrintDialog> dialog;
        const QString working = QDir::currentPath();
        QDir::setCurrent(startFolder());
        dialog = std::make_unique<QPrintDialog>(&printer, parent);
        QDir::setCurrent(working);
        if (dialog->exec() == QDialog::Accepted)
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

void DocumentActions::saveReportCopy() {
    if (currentPage() != kTestPage)
        return;
    // The report this window built, not result.html: another window, or a failed write, may
    // have left another test's report there.
    const auto* tests = m_window->findChild<TestPage*>(kTestPage);
    const TestPage::Report report = tests ? tests->lastReport() : TestPage::Report{};
    if (report.lines.isEmpty()) {
        m_dialogs.inform(m_window, QStringLiteral("No test has been finished in this window "
                                                  "yet. Its report can be saved when it ends."));
        return;
    }
    const QByteArray bytes = reportBytes(report.lines);
    const QString target = m_dialogs.saveName(
        m_window, QDir(startFolder()).filePath(QStringLiteral("orvane-report.html")));
    if (target.isEmpty())
        return;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("Cannot create file \"%1\". %2").arg(target, file.errorString()));
}

void DocumentActions::print() {
    const QString page = currentPage();
    if (page == kTestPage) {
        const auto* tests = m_window->findChild<TestPage*>(kTestPage);
        const TestPage::Report report = tests ? tests->lastReport() : TestPage::Report{};
        if (report.lines.isEmpty()) {
            m_dialogs.inform(m_window, QStringLiteral("No test has been finished in this window "
                                                      "yet. Its report can be printed when it "
                                                      "ends."));
            return;
        }
        // A child of the report's view: every picture or style sheet it names is read through
        // the view's checks, never by the document itself.
        QTextDocument document(tests->WebBrowser3);
        document.setDefaultFont(tests->WebBrowser3->font());
        document.setHtml(reportHeading(report) + report.lines.join(u'\n'));
        document.setMetaInformation(QTextDocument::DocumentTitle,
                                    QStringLiteral("Orvane test report"));
        m_dialogs.print(m_window, document);
        return;
    }
    if (page == kStudyPage || page == kPracticePage) {
        auto* view =
            m_window->findChild<HtmlView*>(page == kStudyPage ? "WebBrowser1" : "WebBrowser2");
        // The answer view is there, but folded to no width, until an answer is asked for.
        if (view && view->width() > 0)
            m_dialogs.print(m_window, *view->document());
        else if (view)
            m_dialogs.inform(m_window,
                             QStringLiteral("The answer is not shown yet. Click \"click here to "
                                            "get the correct answer\", then press Ctrl+P to "
                                            "print it."));
        return;
    }
    m_dialogs.inform(m_window, QStringLiteral("This page has nothing to print. Ctrl+P prints a "
                                              "chapter, an answer or the report of a test."));
}

void DocumentActions::fail(const QString& message) {
    if (m_errorBox)
        m_errorBox->show(errorBoxText(message));
}
