#include "selftest/randomdraw.h"

#include <QDateTime>
#include <ctime>

RandomDraw::RandomDraw(SeedSource source) : m_source(std::move(source)) {}

RandomDraw::SeedSource RandomDraw::clockSeed() {
    return [] {
        timespec ts{};
        if (clock_gettime(CLOCK_MONOTONIC, &ts) == 0)
            return std::uint32_t(std::uint64_t(ts.tv_sec) * 1000000000u +
                                 std::uint64_t(ts.tv_nsec));
        return std::uint32_t(QDateTime::currentMSecsSinceEpoch());
    };
}

int RandomDraw::next(int range) {
    m_seed = m_seed * 134775813u + 1u;
    return int((std::uint64_t(m_seed) * std::uint64_t(range)) >> 32);
}
