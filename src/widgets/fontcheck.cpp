#include "widgets/fontcheck.h"

#include <QCoreApplication>
#include <QFontDatabase>

QString missingLayoutFont() {
    // Arial itself, or its metric twins; asked by name, as an alias would answer with any face.
    const QStringList families = QFontDatabase::families();
    for (const char* face : {"Liberation Sans", "Arimo", "Arial"}) {
        if (families.contains(QLatin1String(face), Qt::CaseInsensitive))
            return {};
    }
    return QCoreApplication::translate(
        "FontCheck", "no font with Arial's widths (Liberation Sans or Arimo) is installed, so "
                     "some captions will not fit; install the package fonts-liberation2");
}
