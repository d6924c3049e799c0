#include "content/question.h"

#include <QRegularExpression>

QString Question::plainOption(int k) const {
    static const QRegularExpression prefix(QStringLiteral("^\\[[A-Z]\\]\\s*"));
    return QString(options.value(k - 1)).remove(prefix).trimmed();
}
