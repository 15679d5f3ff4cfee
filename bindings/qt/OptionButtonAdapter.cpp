#include "bindings/qt/OptionButtonAdapter.h"

#include "bindings/qt/TextMapping.h"
#include "ui/OptionButton.h"
#include "ui/binding/BindingEvents.h"

#include <QRadioButton>

namespace trevalo::qt {

QWidget* OptionButtonAdapter::create(ui::Control&, QWidget& parent) const
{
    auto* option = new QRadioButton(&parent);
    option->setAutoExclusive(false);
    return option;
}

void OptionButtonAdapter::connect(ui::Control& control, QWidget& widget, QObject& context, ui::BindingEvents& events) const
{
    QObject::connect(static_cast<QRadioButton*>(&widget), &QAbstractButton::clicked, &context, [&control, &events] {
        events.clicked(control);
    });
}

void OptionButtonAdapter::mirror(const ui::Control& control, QWidget& widget) const
{
    const auto& model = static_cast<const ui::OptionButton&>(control);
    auto& option = static_cast<QRadioButton&>(widget);
    const QString text = TextMapping::caption(model.caption(), model.mnemonic());
    if (option.text() != text)
        option.setText(text);
    if (option.isChecked() != model.value())
        option.setChecked(model.value());
}

}
