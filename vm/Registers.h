#pragma once

// The player's registers: 16 general parameters (GPRMs), each in register
// or counter mode, and 24 system parameters (SPRMs). A counter counts the
// seconds of playback since it was set, so reading one needs the time;
// the machine's clock is the played cells' durations, in 90 kHz ticks,
// never the wall clock, which keeps a run repeatable.
//
// Plain storage with the counter rule; what a command may write where is
// the machine's business.

#include "core/Command.h"

#include <array>
#include <cstdint>

namespace trevalo::vm {

// Playback time in 90 kHz ticks, as MPEG counts it.
using Ticks = std::int64_t;
inline constexpr Ticks ticks_per_second = 90000;

// Every register at one moment, counters read at that moment.
struct RegisterSnapshot {
    std::array<std::uint16_t, 16> gprm {};
    std::uint16_t counters = 0; // bit n: GPRM n is in counter mode
    std::array<std::uint16_t, 24> sprm {};
    bool operator==(const RegisterSnapshot&) const = default;
};

class Registers {
public:
    explicit Registers(const std::array<std::uint16_t, 24>& sprms)
        : m_sprm(sprms)
    {
    }

    std::uint16_t gprm(int n, Ticks now) const
    {
        if ((m_counters >> n & 1) == 0)
            return m_gprm[static_cast<std::size_t>(n)];
        const Ticks elapsed = (now - m_since[static_cast<std::size_t>(n)]) / ticks_per_second;
        return static_cast<std::uint16_t>(m_gprm[static_cast<std::size_t>(n)] + elapsed);
    }

    // A counter set to a value counts on from it.
    void setGprm(int n, std::uint16_t value, Ticks now)
    {
        m_gprm[static_cast<std::size_t>(n)] = value;
        m_since[static_cast<std::size_t>(n)] = now;
    }

    core::GprmMode mode(int n) const { return (m_counters >> n & 1) ? core::GprmMode::Counter : core::GprmMode::Register; }

    // The value stays as it reads now: a register starts counting from it,
    // a counter stops at it.
    void setMode(int n, core::GprmMode mode, Ticks now)
    {
        const std::uint16_t value = gprm(n, now);
        if (mode == core::GprmMode::Counter)
            m_counters = static_cast<std::uint16_t>(m_counters | 1u << n);
        else
            m_counters = static_cast<std::uint16_t>(m_counters & ~(1u << n));
        setGprm(n, value, now);
    }

    std::uint16_t sprm(int n) const { return m_sprm[static_cast<std::size_t>(n)]; }
    void setSprm(int n, std::uint16_t value) { m_sprm[static_cast<std::size_t>(n)] = value; }

    RegisterSnapshot snapshot(Ticks now) const
    {
        RegisterSnapshot shot;
        for (int n = 0; n < 16; ++n)
            shot.gprm[static_cast<std::size_t>(n)] = gprm(n, now);
        shot.counters = m_counters;
        shot.sprm = m_sprm;
        return shot;
    }

private:
    std::array<std::uint16_t, 16> m_gprm {};
    std::array<Ticks, 16> m_since {};
    std::uint16_t m_counters = 0;
    std::array<std::uint16_t, 24> m_sprm {};
};

}
