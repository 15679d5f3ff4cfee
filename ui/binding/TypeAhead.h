#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::ui {

// Picking from a list by typing, the one rule both bindings follow, so
// that a number typed on a list picks that number ("12" picks 12, "22"
// picks 22) in either window. Characters typed less than `interval` apart
// make one text; after a longer pause the next character begins a new one.
// A new text is looked for from the item after the one shown, a longer
// text from the item shown: the first item from there on, round the end to
// the start, that begins with the text (ASCII case aside) is the one. One
// key typed again and again, where no item begins with the whole text,
// steps on through the items that begin with it ("a", "a", "a" runs
// through the menus that begin with A), as lists commonly do. Nothing
// found, the list stays where it is. Enter, a key that is no character,
// or the focus leaving ends a text at once (the binding says so). It
// remembers only the text typed and when: one per list, with the time
// given by the binding.
class TypeAhead {
public:
    explicit TypeAhead(unsigned long interval_ms)
        : m_interval(interval_ms)
    {
    }

    // The item to show once `typed` (one character, UTF-8) is typed at
    // `now_ms` on a list of `items` showing item `shown` (none: a text that
    // is none of its items); none when no item fits.
    std::optional<std::size_t> typed(const std::vector<std::string>& items, std::optional<std::size_t> shown,
        std::string_view typed, unsigned long now_ms);

    // The text is done (Enter, another key, the focus gone): the next
    // character begins a new one, however soon it comes.
    void end() { m_last.reset(); }

    // What has been typed so far, as one text.
    const std::string& text() const { return m_text; }

private:
    unsigned long m_interval;
    std::string m_text;
    std::optional<unsigned long> m_last;
};

}
