#pragma once

#include <QTextBrowser>

// One of the window's HTML views. Its single operation opens a page by a path relative to the
// current working directory. It reads local files from under that folder only: a page, link
// or picture that leads elsewhere, or that cannot be read, shows a short page of the view's
// own instead.
class HtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent, const char* name);

    void Navigate(const QString& relativePath);
    QString currentPath() const { return source().toLocalFile(); }

    QVariant loadResource(int type, const QUrl& name) override;

    static QString decodePage(const QByteArray& bytes);

private:
    static bool isInsideWorkingDir(const QString& path);
};
