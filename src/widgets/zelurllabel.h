#pragma once

#include <QLabel>
#include <QUrl>
#include <functional>

using UrlOpener = std::function<void(const QUrl&)>;

// Placeholder until the hyperlink label lands.
class TZelUrlLabel : public QLabel {
    Q_OBJECT
public:
    TZelUrlLabel(QWidget* parent, UrlOpener opener);

private:
    UrlOpener m_opener;
};
