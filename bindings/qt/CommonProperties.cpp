#include "bindings/qt/CommonProperties.h"

#include "bindings/qt/ColourMapping.h"
#include "bindings/qt/FontMapping.h"
#include "bindings/qt/KindAdapter.h"
#include "bindings/qt/PixelScale.h"
#include "bindings/qt/TextMapping.h"
#include "ui/binding/MirrorTracker.h"

#include <QApplication>
#include <QWidget>

namespace trevalo::qt {

void CommonProperties::mirror(const ui::Control& control, QWidget& widget, const KindAdapter& adapter, const PixelScale& scale)
{
    const QRect rect = scale.rect(control.place());
    if (widget.geometry() != rect)
        widget.setGeometry(rect);

    adapter.applyFont(widget, FontMapping::toQFont(control.font()));

    const QPalette& system = QApplication::palette();
    const QPalette palette = ColourMapping::paletteFor(control, widget.palette(), system);
    if (palette != widget.palette())
        widget.setPalette(palette);
    const KindAdapter::Panel panel = adapter.panel();
    if (panel != KindAdapter::Panel::None) {
        const bool fill = panel == KindAdapter::Panel::Always || ColourMapping::fillsBackground(control, system);
        if (widget.autoFillBackground() != fill)
            widget.setAutoFillBackground(fill);
    }

    const QString tip = TextMapping::tooltip(control);
    if (widget.toolTip() != tip)
        widget.setToolTip(tip);
    const QString name
        = QString::fromStdString(control.accessibleName().empty() ? control.displayText() : control.accessibleName());
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
    const QString description = QString::fromStdString(control.accessibleDescription());
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
    // A control that can never be seen (a focus sink under its list, a state
    // holder outside its container) takes the focus only when an operation
    // gives it, never by Tab.
    if (!ui::MirrorTracker::canBeSeen(control) && widget.focusPolicy() != Qt::NoFocus)
        widget.setFocusPolicy(Qt::NoFocus);

    // A frame disables its children in Qt as in the model, and each child
    // keeps its own setting for when the frame comes back on.
    if (widget.testAttribute(Qt::WA_ForceDisabled) == control.enabled())
        widget.setEnabled(control.enabled());
    if (widget.isHidden() == control.visible())
        widget.setVisible(control.visible());
}

}
