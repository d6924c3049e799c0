#pragma once

#include <cstdint>
#include <functional>

// The 32-bit linear congruential generator that draws test questions. It is reseeded once
// per advance from a seed source; tests pass a fixed source.
class RandomDraw {
public:
    using SeedSource = std::function<std::uint32_t()>;

    explicit RandomDraw(SeedSource source);
    static SeedSource clockSeed(); // low 32 bits of the monotonic clock in nanoseconds

    void reseed() { m_seed = m_source(); }
    // 0 .. range - 1
    int next(int range);
    std::uint32_t seed() const { return m_seed; }

private:
    SeedSource m_source;
    std::uint32_t m_seed = 0;
};
