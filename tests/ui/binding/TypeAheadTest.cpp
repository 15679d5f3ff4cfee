#include "ui/binding/TypeAhead.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// The rule both windows pick from a list by when the author types on it.
namespace trevalo::ui {
namespace {

std::vector<std::string> numbers(int last)
{
    std::vector<std::string> items;
    for (int n = 1; n <= last; ++n)
        items.push_back(std::to_string(n));
    return items;
}

const std::vector<std::string> menus { "Root Menu", "Sub-Picture Menu", "Audio Menu", "Angle Menu", "Chapter Menu" };
const std::vector<std::string> audio { "nc", "0", "1", "2", "3", "4", "5", "6", "7" };

constexpr unsigned long interval = 1000;

struct Case {
    const char* what;
    const std::vector<std::string>& items;
    // The item shown before the keys; "" for a text that is none of them.
    const char* shown;
    // The keys, a character each; '|' stands for a pause longer than the
    // interval.
    const char* keys;
    // The item shown after them.
    const char* picked;
};

const std::vector<std::string> pgcs = numbers(99);

const Case cases[] = {
    { "a number picks that number", pgcs, "1", "12", "12" },
    { "from anywhere in the list", pgcs, "57", "12", "12" },
    { "the number shown, typed again", pgcs, "12", "12", "12" },
    { "a number of one digit twice", pgcs, "1", "22", "22" },
    { "eleven", pgcs, "5", "11", "11" },
    { "the last", pgcs, "1", "99", "99" },
    { "round the end", pgcs, "98", "5", "5" },
    { "one digit: the next item that begins with it", pgcs, "1", "1", "10" },
    { "one digit, from an item past those that begin with it", pgcs, "5", "2", "20" },
    { "a pause begins a new number", pgcs, "1", "1|2", "20" },
    { "a number no item has", pgcs, "7", "123", "12" },
    { "a key no item begins with", pgcs, "7", "x", "7" },
    { "a list showing none of its items", pgcs, "", "7", "7" },
    { "a list showing none of its items, a number", pgcs, "", "42", "42" },
    { "one key again and again steps on", pgcs, "1", "111", "12" },
    { "a word's first letter", menus, "Root Menu", "c", "Chapter Menu" },
    { "upper or lower case", menus, "Root Menu", "C", "Chapter Menu" },
    { "two letters", menus, "Root Menu", "an", "Angle Menu" },
    { "one letter twice steps to the next", menus, "Root Menu", "aa", "Angle Menu" },
    { "one letter thrice steps round", menus, "Root Menu", "aaa", "Audio Menu" },
    { "the only item that begins with the key", menus, "Root Menu", "r", "Root Menu" },
    { "a stream number", audio, "nc", "3", "3" },
    { "no change", audio, "5", "n", "nc" },
};

std::optional<std::size_t> indexOf(const std::vector<std::string>& items, std::string_view item)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == item)
            return i;
    }
    return std::nullopt;
}

TEST(TypeAhead, PicksByWhatIsTyped)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TypeAhead type_ahead(interval);
        std::optional<std::size_t> shown = indexOf(c.items, c.shown);
        unsigned long now = 5000;
        for (const char* key = c.keys; *key; ++key) {
            if (*key == '|') {
                now += interval + 1;
                continue;
            }
            now += 50;
            if (const std::optional<std::size_t> found = type_ahead.typed(c.items, shown, std::string(1, *key), now))
                shown = found;
        }
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(c.items[*shown], c.picked);
    }
}

TEST(TypeAhead, KeysCloserThanTheIntervalMakeOneText)
{
    TypeAhead type_ahead(interval);
    EXPECT_EQ(type_ahead.typed(pgcs, 0, "1", 100), 9u);
    EXPECT_EQ(type_ahead.typed(pgcs, 9, "2", 100 + interval - 1), 11u);
    EXPECT_EQ(type_ahead.text(), "12");
    EXPECT_EQ(type_ahead.typed(pgcs, 11, "3", 100 + 2 * interval), 29u) << "a new text, from the item after 12";
    EXPECT_EQ(type_ahead.text(), "3");
}

TEST(TypeAhead, AnEndedTextIsNotGoneOnByTheNextKey)
{
    TypeAhead type_ahead(interval);
    EXPECT_EQ(type_ahead.typed(pgcs, 0, "1", 100), 9u);
    EXPECT_EQ(type_ahead.typed(pgcs, 9, "2", 150), 11u);
    type_ahead.end();
    EXPECT_EQ(type_ahead.typed(pgcs, 11, "2", 200), 19u) << "a new text: 20, the next item after 12 that begins with 2";
    EXPECT_EQ(type_ahead.typed(pgcs, 19, "2", 250), 21u);
}

TEST(TypeAhead, TheClockWrappingRoundChangesNothing)
{
    TypeAhead type_ahead(interval);
    const unsigned long just_before = static_cast<unsigned long>(-1) - 10;
    type_ahead.typed(pgcs, 0, "1", just_before);
    EXPECT_EQ(type_ahead.typed(pgcs, 9, "2", 20), 11u);
}

TEST(TypeAhead, AnEmptyListPicksNothing)
{
    TypeAhead type_ahead(interval);
    EXPECT_EQ(type_ahead.typed({}, std::nullopt, "1", 0), std::nullopt);
}

}
}
