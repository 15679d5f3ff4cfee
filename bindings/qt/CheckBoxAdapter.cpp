#include "bindings/qt/CheckBoxAdapter.h"

#include "bindings/qt/TextMapping.h"
#include "ui/CheckBox.h"
#include "ui/binding/BindingEvents.h"

#include <QCheckBox>

namespace trevalo::qt {

namespace {

Qt::CheckState checkState(int value)
{
    switch (value) {
    case ui::Unchecked:
        return Qt::Unchecked;
    case ui::Grey:
        return Qt::PartiallyChecked;
    default:
        return Qt::Checked;
    }
}

}

QWidget* CheckBoxAdapter::create(ui::Control&, QWidget& parent) const
{
    return new QCheckBox(&parent);
}

void CheckBoxAdapter::connect(ui::Control& control, QWidget& widget, QObject& context, ui::BindingEvents& events) const
{
    QObject::connect(static_cast<QCheckBox*>(&widget), &QAbstractButton::clicked, &context, [&control, &events] {
        events.clicked(control);
    });
}

void CheckBoxAdapter::mirror(const ui::Control& control, QWidget& widget) const
{
    const auto& model = static_cast<const ui::CheckBox&>(control);
    auto& box = static_cast<QCheckBox&>(widget);
    const QString text = TextMapping::caption(model.caption(), model.mnemonic());
    if (box.text() != text)
        box.setText(text);
    const Qt::CheckState state = checkState(model.value());
    if (box.checkState() != state)
        box.setCheckState(state);
}

}
