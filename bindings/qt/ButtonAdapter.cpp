#include "bindings/qt/ButtonAdapter.h"

#include "bindings/qt/TextMapping.h"
#include "ui/binding/BindingEvents.h"

#include <QPushButton>

namespace trevalo::qt {

QWidget* ButtonAdapter::create(ui::Control&, QWidget& parent) const
{
    auto* button = new QPushButton(&parent);
    button->setAutoDefault(false);
    return button;
}

void ButtonAdapter::connect(ui::Control& control, QWidget& widget, QObject& context, ui::BindingEvents& events) const
{
    QObject::connect(static_cast<QPushButton*>(&widget), &QAbstractButton::clicked, &context, [&control, &events] {
        events.clicked(control);
    });
}

void ButtonAdapter::mirror(const ui::Control& control, QWidget& widget) const
{
    auto& button = static_cast<QPushButton&>(widget);
    const QString text = TextMapping::caption(control.displayText(), control.mnemonic());
    if (button.text() != text)
        button.setText(text);
}

}
