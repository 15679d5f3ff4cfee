#pragma once

#include "bindings/qt/KindAdapter.h"

namespace trevalo::qt {

// An option button. The model keeps its groups, so Qt must never clear a
// sibling on its own; a click goes to the model.
class OptionButtonAdapter final : public KindAdapter {
public:
    QWidget* create(ui::Control&, QWidget& parent) const override;
    void connect(ui::Control&, QWidget&, QObject& context, ui::BindingEvents&) const override;
    void mirror(const ui::Control&, QWidget&) const override;
    Panel panel() const override { return Panel::WhenColoured; }
};

}
