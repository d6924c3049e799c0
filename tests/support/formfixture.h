#pragma once

#include "app/tform1.h"
#include "progress/historystore.h"
#include "widgets/errorbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Collects what the window would have shown in the error box.
class RecordingErrorBox : public ErrorBox {
public:
    void show(const QString& text) override { shown << text; }
    QStringList shown;
};

// A main window built in a temporary working folder with pages of the test's own, a fixed
// random seed, a recording error box and a recording link opener.
class FormFixture {
public:
    FormFixture() : m_previous(QDir::currentPath()) {
        QDir::setCurrent(m_dir.path());
        QDir().mkpath(QStringLiteral("study"));
        QDir().mkpath(QStringLiteral("answers"));
    }
    ~FormFixture() {
        form.reset();
        QDir::setCurrent(m_previous);
    }
    FormFixture(const FormFixture&) = delete;
    FormFixture& operator=(const FormFixture&) = delete;

    TForm1& create() {
        form = std::make_unique<TForm1>(content,
                                        FormServices{&errors,
                                                     [this] { return seed; },
                                                     [this](const QUrl& url) { opened << url; },
                                                     {},
                                                     history});
        return *form;
    }
    // Shown and active, as after start-up, with every page built; creates the window first
    // if need be.
    TForm1& start() {
        if (!form)
            create();
        form->show();
        form->finishStartup();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("window did not become active");
        return *form;
    }

    template <class T> T* find(const char* name) const {
        T* child = form->findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(bytes);
    }
    QString path(const QString& relative) const { return m_dir.filePath(relative); }

    Content content = Content::builtIn();
    std::uint32_t seed = 20030101;
    HistoryStore* history = nullptr; // none: no history, as in most tests
    RecordingErrorBox errors;
    QList<QUrl> opened;
    std::unique_ptr<TForm1> form;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
