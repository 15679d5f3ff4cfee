#include "ui/binding/TypeAhead.h"

namespace trevalo::ui {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool beginsWith(std::string_view item, std::string_view text)
{
    if (item.size() < text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lower(item[i]) != lower(text[i]))
            return false;
    }
    return true;
}

// The first item from `start` on, round the end, that begins with `text`.
std::optional<std::size_t> firstFrom(const std::vector<std::string>& items, std::size_t start, std::string_view text)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::size_t at = (start + i) % items.size();
        if (beginsWith(items[at], text))
            return at;
    }
    return std::nullopt;
}

// Whether the text is one character (of one or more bytes) typed again and
// again.
bool oneKeyRepeated(std::string_view text, std::size_t key_size)
{
    if (key_size == 0 || text.size() <= key_size || text.size() % key_size != 0)
        return false;
    for (std::size_t at = key_size; at < text.size(); at += key_size) {
        if (text.substr(at, key_size) != text.substr(0, key_size))
            return false;
    }
    return true;
}

}

std::optional<std::size_t> TypeAhead::typed(const std::vector<std::string>& items, std::optional<std::size_t> shown,
    std::string_view typed, unsigned long now_ms)
{
    // Unsigned, the difference stays right when the clock wraps round.
    const bool goes_on = m_last && now_ms - *m_last < m_interval;
    m_last = now_ms;
    if (goes_on)
        m_text += typed;
    else
        m_text = typed;
    if (items.empty() || m_text.empty())
        return std::nullopt;
    const bool on_an_item = shown && *shown < items.size();
    const std::size_t here = on_an_item ? *shown : 0;
    const std::size_t next = on_an_item ? (here + 1) % items.size() : 0;
    if (!goes_on)
        return firstFrom(items, next, m_text);
    if (const std::optional<std::size_t> found = firstFrom(items, here, m_text))
        return found;
    if (oneKeyRepeated(m_text, typed.size()))
        return firstFrom(items, next, typed);
    return std::nullopt;
}

}
