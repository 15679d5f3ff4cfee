#pragma once

#include "ui/Control.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::ui {

// A drop-down choice list: its items and the text it shows, which may differ
// from every item. Setting the text runs nothing; picking an item (what a
// user does) sets the text and then runs on_click, even for the item already
// shown.
class ComboBox final : public Control {
public:
    ComboBox(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::ComboBox)
    {
        setBackColour(colours::window);
        setForeColour(colours::window_text);
    }

    const std::string& text() const { return displayText(); }
    void setText(std::string text) { setDisplayText(std::move(text)); }

    const std::vector<std::string>& items() const { return m_items; }
    void addItem(std::string item);
    // All items at once, for a list whose choices change; nothing happens
    // when they are the same.
    void setItems(std::vector<std::string> items);
    std::optional<std::size_t> indexOf(std::string_view item) const;

    // A user's pick of item `index`; an index past the items does nothing.
    void pick(std::size_t index);

    std::function<void()> on_click;

private:
    std::string_view textKey() const override { return "text"; }
    void describeExtra(std::string&) const override;

    std::vector<std::string> m_items;
};

}
