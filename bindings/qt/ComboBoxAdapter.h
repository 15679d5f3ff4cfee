#pragma once

#include "bindings/qt/KindAdapter.h"

namespace trevalo::qt {

// A choice list: a drop-down of the model's items. A pick goes to the model;
// a shown text that is no item shows as the placeholder.
class ComboBoxAdapter final : public KindAdapter {
public:
    QWidget* create(ui::Control&, QWidget& parent) const override;
    void connect(ui::Control&, QWidget&, QObject& context, ui::BindingEvents&) const override;
    void mirror(const ui::Control&, QWidget&) const override;
};

}
