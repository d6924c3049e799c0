#include "app/documentactions.h"

#include "base/errortext.h"
#include "widgets/errorbox.h"
#include "widgets/page.h"
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

QString DocumentActions::startFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

DocumentActions::Dialogs DocumentActions::desktopDialogs() {
    Dialogs dialogs;
    dialogs.saveName = [](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, tr("Save a Copy of the Report"), suggested,
                                            tr("Web pages (*.html *.htm);;All files (*)"));
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

Page* DocumentActions::currentPage() const {
    const auto* pages = m_window->findChild<PageControl*>();
    return pages ? pages->currentPage() : nullptr;
}

void DocumentActions::saveReportCopy() {
    const Page* page = currentPage();
    const Page::Copy copy = page ? page->copy() : Page::Copy{};
    if (!copy.offered)
        return;
    if (copy.bytes.isEmpty()) {
        m_dialogs.inform(m_window, copy.why);
        return;
    }
    const QString target =
        m_dialogs.saveName(m_window, QDir(startFolder()).filePath(copy.suggestedName));
    if (target.isEmpty())
        return;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(copy.bytes) != copy.bytes.size() ||
        !file.commit())
        fail(errorMessage({Error::Code::CannotCreateFile, {target, file.errorString()}}));
}

void DocumentActions::print() {
    Page* page = currentPage();
    if (!page)
        return;
    const QString why =
        page->print([this](QTextDocument& document) { m_dialogs.print(m_window, document); });
    if (!why.isEmpty())
        m_dialogs.inform(m_window, why);
}

void DocumentActions::fail(const QString& message) {
    if (m_errorBox)
        m_errorBox->show(errorBoxText(message));
}
