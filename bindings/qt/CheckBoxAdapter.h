#pragma once

#include "bindings/qt/KindAdapter.h"

namespace trevalo::qt {

// A check box with the model's three values; a click goes to the model.
class CheckBoxAdapter final : public KindAdapter {
public:
    QWidget* create(ui::Control&, QWidget& parent) const override;
    void connect(ui::Control&, QWidget&, QObject& context, ui::BindingEvents&) const override;
    void mirror(const ui::Control&, QWidget&) const override;
    Panel panel() const override { return Panel::WhenColoured; }
};

}
