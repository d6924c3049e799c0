#include "widgets/jpegimage.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <functional>

#include <unistd.h>

namespace {

// An 8 x 8 picture filled with pure blue, baseline, 4:2:0, metadata stripped
// (ImageMagick: convert -size 8x8 xc:blue -strip tiny.jpg; xxd -i tiny.jpg).
const unsigned char kBlue8x8[] = {
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x03, 0x02, 0x02, 0x02, 0x02, 0x02, 0x03,
    0x02, 0x02, 0x02, 0x03, 0x03, 0x03, 0x03, 0x04, 0x06, 0x04, 0x04, 0x04, 0x04, 0x04, 0x08, 0x06,
    0x06, 0x05, 0x06, 0x09, 0x08, 0x0a, 0x0a, 0x09, 0x08, 0x09, 0x09, 0x0a, 0x0c, 0x0f, 0x0c, 0x0a,
    0x0b, 0x0e, 0x0b, 0x09, 0x09, 0x0d, 0x11, 0x0d, 0x0e, 0x0f, 0x10, 0x10, 0x11, 0x10, 0x0a, 0x0c,
    0x12, 0x13, 0x12, 0x10, 0x13, 0x0f, 0x10, 0x10, 0x10, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x03, 0x03,
    0x03, 0x04, 0x03, 0x04, 0x08, 0x04, 0x04, 0x08, 0x10, 0x0b, 0x09, 0x0b, 0x10, 0x10, 0x10, 0x10,
    0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10,
    0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10,
    0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0xff, 0xc0,
    0x00, 0x11, 0x08, 0x00, 0x08, 0x00, 0x08, 0x03, 0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11,
    0x01, 0xff, 0xc4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09, 0xff, 0xc4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xc4, 0x00,
    0x15, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x06, 0x09, 0xff, 0xc4, 0x00, 0x14, 0x11, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xda, 0x00, 0x0c, 0x03, 0x01,
    0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3f, 0x00, 0x3d, 0xd5, 0x4c, 0x1d, 0xff, 0xd9};

QByteArray blue8x8() {
    return QByteArray(reinterpret_cast<const char*>(kBlue8x8), int(sizeof kBlue8x8));
}

QByteArray logo() {
    QFile file(QStringLiteral(ORVANE_LOGO));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Offset of the first FF `marker` pair, or -1.
int segment(const QByteArray& jpeg, char marker) {
    return jpeg.indexOf(QByteArray("\xff") + marker);
}

// The picture with the frame header (SOF0) claiming another size.
QByteArray withDeclaredSize(QByteArray jpeg, int width, int height) {
    const int sof = segment(jpeg, '\xc0');
    Q_ASSERT(sof >= 0);
    // FF C0, length (2), precision (1), height (2), width (2)
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xff);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xff);
    return jpeg;
}

// The picture with one byte of its entropy-coded data (after the SOS header) inverted.
QByteArray withScanByteInverted(QByteArray jpeg, int index) {
    const int sos = segment(jpeg, '\xda');
    Q_ASSERT(sos >= 0);
    const int length = (uchar(jpeg[sos + 2]) << 8) | uchar(jpeg[sos + 3]);
    const int at = sos + 2 + length + index;
    jpeg[at] = char(~jpeg[at]);
    return jpeg;
}

QByteArray randomBytes(quint32 seed, int count) {
    QRandomGenerator generator(seed);
    QByteArray bytes(count, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// Decodes with the process's standard error sent to a temporary file; `written` receives
// whatever libjpeg (or anything else) printed there meanwhile.
QImage decodeQuietly(const QByteArray& bytes, QByteArray* written) {
    QTemporaryFile capture;
    if (!capture.open())
        qFatal("cannot create a file to capture standard error");
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(capture.handle(), STDERR_FILENO);
    QImage image = decodeJpeg(bytes);
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    capture.seek(0);
    *written = capture.readAll();
    return image;
}

} // namespace

class TestJpegImage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void decodesAtTheDeclaredSize_data();
    void decodesAtTheDeclaredSize();
    void keepsTheColours();
    void refusesDamagedData_data();
    void refusesDamagedData();
};

void TestJpegImage::init() {
    // Qt's own complaints (an image too large to allocate, say) count as output too.
    QTest::failOnWarning(QRegularExpression(".*"));
}

void TestJpegImage::decodesAtTheDeclaredSize_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    // The program's logo is 171 x 74, as its frame header says; a new logo of another size
    // must change this row.
    QTest::newRow("built-in logo") << logo() << QSize(171, 74);
    QTest::newRow("8x8 blue") << blue8x8() << QSize(8, 8);
}

void TestJpegImage::decodesAtTheDeclaredSize() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QVERIFY2(!bytes.isEmpty(), "picture file missing");
    QByteArray written;
    const QImage image = decodeQuietly(bytes, &written);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    QCOMPARE(written, QByteArray());
}

void TestJpegImage::keepsTheColours() {
    const QImage image = decodeJpeg(blue8x8());
    QVERIFY(!image.isNull());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.blue() < 200 || colour.red() > 50 || colour.green() > 50)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, not blue")
                                     .arg(x)
                                     .arg(y)
                                     .arg(colour.name())));
        }
    }
}

// Anything that is not a whole, sound picture gives a null image: no crash, no exit, no half
// drawn picture and nothing printed.
void TestJpegImage::refusesDamagedData_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray blue = blue8x8();
    const QByteArray logo = ::logo();
    QVERIFY(!logo.isEmpty());

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("start of image marker only") << QByteArray("\xff\xd8");
    QTest::newRow("random bytes") << randomBytes(1, 4096);
    QTest::newRow("random bytes after the start marker")
        << QByteArray("\xff\xd8") + randomBytes(2, 4096);

    const struct {
        const char* name;
        QByteArray bytes;
    } sources[] = {{"8x8 blue", blue}, {"logo", logo}};
    for (const auto& source : sources) {
        const int size = int(source.bytes.size());
        for (int keep : {10, 100, size / 2, size - 2})
            QTest::addRow("%s cut to %d of %d bytes", source.name, keep, size)
                << source.bytes.left(keep);
    }

    // A JPEG has no checksum, so not every change to the coded data can be noticed; inverting
    // any one of these four bytes leaves codes libjpeg reports as corrupt.
    for (int index = 0; index < 4; ++index)
        QTest::addRow("8x8 blue, coded byte %d inverted", index)
            << withScanByteInverted(blue, index);

    // A header asking for a 12 GB picture, with only 64 pixels' worth of data behind it.
    QTest::newRow("declared 65000 x 65000") << withDeclaredSize(blue, 65000, 65000);
}

void TestJpegImage::refusesDamagedData() {
    QFETCH(QByteArray, bytes);
    QByteArray written;
    const QImage image = decodeQuietly(bytes, &written);
    QVERIFY(image.isNull());
    QCOMPARE(written, QByteArray());
}

QTEST_GUILESS_MAIN(TestJpegImage)
#include "tst_jpegimage.moc"
