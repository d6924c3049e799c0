#pragma once

#include <QByteArray>
#include <QImage>

// Decodes JPEG bytes with libjpeg. Bad or truncated data gives a null image; libjpeg's own
// error handler would end the program instead.
QImage decodeJpeg(const QByteArray& bytes);
