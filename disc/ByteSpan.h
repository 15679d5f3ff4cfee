#pragma once

// Bounds-checked big-endian reads over the bytes of one file, for the IFO
// and navigation-pack parsers. A read that would pass the end throws
// ByteSpan::OutOfBounds, carrying the offset; the parsers turn it into a
// message naming the file and the table, and nothing throws past them.

#include <cstddef>
#include <cstdint>
#include <span>

namespace trevalo::disc {

class ByteSpan {
public:
    struct OutOfBounds {
        std::uint64_t offset; // the first byte that is missing
        std::uint64_t size; // of the data
    };

    explicit ByteSpan(std::span<const std::uint8_t> data)
        : m_data(data)
    {
    }

    std::size_t size() const { return m_data.size(); }
    bool has(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= m_data.size() && length <= m_data.size() - offset;
    }
    void require(std::uint64_t offset, std::uint64_t length) const
    {
        if (!has(offset, length))
            throw OutOfBounds { offset > m_data.size() ? offset : m_data.size(), m_data.size() };
    }

    std::uint8_t u8(std::uint64_t offset) const
    {
        require(offset, 1);
        return m_data[offset];
    }
    std::uint16_t u16(std::uint64_t offset) const
    {
        require(offset, 2);
        return static_cast<std::uint16_t>(m_data[offset] << 8 | m_data[offset + 1]);
    }
    std::uint32_t u32(std::uint64_t offset) const
    {
        require(offset, 4);
        return static_cast<std::uint32_t>(m_data[offset]) << 24 | static_cast<std::uint32_t>(m_data[offset + 1]) << 16
            | static_cast<std::uint32_t>(m_data[offset + 2]) << 8 | m_data[offset + 3];
    }
    template<std::size_t N>
    void copy(std::uint64_t offset, std::uint8_t (&out)[N]) const
    {
        require(offset, N);
        for (std::size_t i = 0; i < N; ++i)
            out[i] = m_data[offset + i];
    }
    template<typename Array>
    Array array(std::uint64_t offset) const
    {
        Array out {};
        require(offset, out.size());
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = m_data[offset + i];
        return out;
    }

private:
    std::span<const std::uint8_t> m_data;
};

// Big-endian stores into a buffer the writer has sized.
inline void put16(std::uint8_t* at, std::uint16_t value)
{
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

inline void put32(std::uint8_t* at, std::uint32_t value)
{
    at[0] = static_cast<std::uint8_t>(value >> 24);
    at[1] = static_cast<std::uint8_t>(value >> 16);
    at[2] = static_cast<std::uint8_t>(value >> 8);
    at[3] = static_cast<std::uint8_t>(value);
}

}
