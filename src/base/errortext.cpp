#include "base/errortext.h"

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

QString isolated(const QString& quoted) {
    return QChar(0x2068) + quoted + QChar(0x2069);
}

QString applicationTitle(const QString& programPath) {
    QString name = programPath.section(u'/', -1);
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}
