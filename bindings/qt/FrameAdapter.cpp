#include "bindings/qt/FrameAdapter.h"

#include "bindings/qt/FrameWidget.h"
#include "bindings/qt/TextMapping.h"

namespace trevalo::qt {

QWidget* FrameAdapter::create(ui::Control&, QWidget& parent) const
{
    return new FrameWidget(&parent);
}

void FrameAdapter::mirror(const ui::Control& control, QWidget& widget) const
{
    auto& frame = static_cast<FrameWidget&>(widget);
    const QString title = TextMapping::caption(control.displayText());
    if (frame.title() != title)
        frame.setTitle(title);
}

void FrameAdapter::applyFont(QWidget& widget, const QFont& font) const
{
    static_cast<FrameWidget&>(widget).setTitleFont(font);
}

}
