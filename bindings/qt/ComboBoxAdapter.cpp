#include "bindings/qt/ComboBoxAdapter.h"

#include "bindings/qt/ComboBoxWidget.h"
#include "bindings/qt/DeviceLines.h"
#include "bindings/qt/TextMapping.h"
#include "ui/ComboBox.h"
#include "ui/binding/BindingEvents.h"

#include <QComboBox>
#include <QStringList>

#include <optional>

namespace trevalo::qt {

QWidget* ComboBoxAdapter::create(ui::Control&, QWidget& parent) const
{
    auto* combo = new ComboBoxWidget(&parent);
    combo->setEditable(false);
    DeviceLines::watch(*combo);
    return combo;
}

// A pick from the drop-down goes at once; steps through the closed list
// are held by the binding core until the keys are done with it.
void ComboBoxAdapter::connect(ui::Control& control, QWidget& widget, QObject& context, ui::BindingEvents& events) const
{
    auto& list = static_cast<ui::ComboBox&>(control);
    static_cast<ComboBoxWidget&>(widget).onPick(
        context,
        [&list, &events](int index, ComboBoxWidget::Picked how) {
            if (index < 0)
                events.changedOnItsOwn(list);
            else if (how == ComboBoxWidget::Picked::ByStepping)
                events.pickedByKey(list, std::size_t(index));
            else
                events.picked(list, std::size_t(index));
        },
        [&events] { events.keysDone(); });
}

void ComboBoxAdapter::mirror(const ui::Control& control, QWidget& widget) const
{
    const auto& model = static_cast<const ui::ComboBox&>(control);
    auto& combo = static_cast<QComboBox&>(widget);
    QStringList items;
    items.reserve(int(model.items().size()));
    for (const std::string& item : model.items())
        items.append(QString::fromStdString(item));
    bool same_items = combo.count() == items.size();
    for (int i = 0; same_items && i < items.size(); ++i)
        same_items = combo.itemText(i) == items[i];
    if (!same_items) {
        combo.clear();
        combo.addItems(items);
    }
    // A shown text that is not an item is shown all the same, as the
    // placeholder of a list with nothing selected.
    const std::optional<std::size_t> index = model.indexOf(model.text());
    const int current = index ? int(*index) : -1;
    const QString placeholder = index ? QString() : TextMapping::shown(model.text());
    if (combo.placeholderText() != placeholder)
        combo.setPlaceholderText(placeholder);
    if (combo.currentIndex() != current)
        combo.setCurrentIndex(current);
}

}
