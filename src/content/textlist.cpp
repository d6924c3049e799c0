#include "content/textlist.h"

#include "base/apperror.h"

#include <QFile>

QStringList loadTextList(const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(Error::Code::MissingList, {resourcePath});
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}
