// libFuzzer entry point for intValue; see run_fuzz.sh.
#include "base/apperror.h"
#include "base/intvalue.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(const QString& text) {
    int value;
    try {
        value = intValue(text);
    } catch (const AppError&) {
        return;
    }
    // Leading blanks are skipped, and a value must survive being written out and read back in
    // both notations the rule accepts.
    const QString hex = value < 0 ? QStringLiteral("-$%1").arg(-qint64(value), 0, 16)
                                  : QStringLiteral("$%1").arg(value, 0, 16);
    if (intValue(u' ' + text) != value || intValue(QString::number(value)) != value ||
        intValue(hex) != value)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* chars = reinterpret_cast<const char*>(data);
    check(QString::fromUtf8(chars, qsizetype(size)));
    check(QString::fromLatin1(chars, qsizetype(size)));
    // UTF-16 reaches lone surrogates and characters whose low byte looks like a digit.
    QString wide(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(wide.data(), data, size / 2 * 2);
    check(wide);
    return 0;
}
