#pragma once

// Where a random program's choices come from: a seeded generator for the
// tests and the benchmark, or the bytes of a fuzzer's input, so the same
// generator serves both and a fuzzer's mutations steer it.

#include <cstdint>
#include <random>
#include <span>

namespace trevalo::testing {

class Draw {
public:
    static Draw seeded(std::uint32_t seed) { return Draw(seed); }
    // Past the input's end every draw is 0.
    static Draw fromBytes(std::span<const std::uint8_t> bytes) { return Draw(bytes); }

    // A number in 0..bound-1 (0 for a bound of 0).
    unsigned below(unsigned bound)
    {
        if (bound <= 1)
            return 0;
        if (m_bytes.data() == nullptr)
            return static_cast<unsigned>(m_engine() % bound);
        unsigned value = 0;
        for (int i = 0; i < 2; ++i) {
            value = value << 8 | (m_at < m_bytes.size() ? m_bytes[m_at] : 0u);
            ++m_at;
        }
        return value % bound;
    }

    bool chance(unsigned percent) { return below(100) < percent; }

private:
    explicit Draw(std::uint32_t seed)
        : m_engine(seed)
    {
    }
    explicit Draw(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {
    }

    std::mt19937 m_engine;
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

}
