#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte character set that result.html is written in. Qt 6 has no
// built-in codec for it, and the table is small.
namespace cp1252 {

QByteArray encode(const QString& text); // characters outside the set become '?'
QString decode(const QByteArray& bytes);

} // namespace cp1252
