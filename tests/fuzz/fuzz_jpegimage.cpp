// libFuzzer entry point for decodeJpeg; see run_fuzz.sh.
#include "widgets/jpegimage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage image = decodeJpeg(bytes);
    if (!image.isNull()) {
        // Read the last byte of every row: a picture smaller than its rows claim shows up here.
        volatile unsigned sum = 0;
        for (int y = 0; y < image.height(); ++y)
            sum = sum + image.constScanLine(y)[image.bytesPerLine() - 1];
    }
    return 0;
}
