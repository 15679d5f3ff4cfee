#include "bindings/qt/PictureAdapter.h"

#include "bindings/qt/Images.h"

#include <QLabel>
#include <QVariant>

namespace trevalo::qt {

QWidget* PictureAdapter::create(ui::Control&, QWidget& parent) const
{
    return new QLabel(&parent);
}

void PictureAdapter::mirror(const ui::Control& control, QWidget& widget) const
{
    auto& picture = static_cast<QLabel&>(widget);
    const QString name = QString::fromStdString(control.displayText());
    if (picture.property("image").toString() != name || picture.pixmap().size() != picture.size()) {
        picture.setProperty("image", name);
        picture.setPixmap(Images::pixmap(control.displayText(), picture.size()));
    }
}

}
