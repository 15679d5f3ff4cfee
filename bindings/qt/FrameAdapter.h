#pragma once

#include "bindings/qt/KindAdapter.h"

namespace trevalo::qt {

// A frame: a group box whose caption sits on its border (FrameWidget). It
// paints its panel always, and its colour decides its children's look.
class FrameAdapter final : public KindAdapter {
public:
    QWidget* create(ui::Control&, QWidget& parent) const override;
    void mirror(const ui::Control&, QWidget&) const override;
    void applyFont(QWidget&, const QFont&) const override;
    Panel panel() const override { return Panel::Always; }
    bool shapesChildren() const override { return true; }
};

}
