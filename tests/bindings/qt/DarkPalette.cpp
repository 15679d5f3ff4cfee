#include "bindings/qt/DarkPalette.h"

#include <QColor>

namespace trevalo::testing {

QPalette DarkPalette::palette()
{
    const QColor text(238, 238, 238);
    const QColor face(50, 50, 50);
    const QColor field(36, 36, 36);
    const QColor dimmed(128, 128, 128);

    QPalette palette(text, face, face.lighter(150), face.darker(150), face.darker(130), text, field);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::AlternateBase, face.lighter(110));
    palette.setColor(QPalette::ToolTipBase, field);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    palette.setColor(QPalette::Link, QColor(120, 180, 255));
    palette.setColor(QPalette::LinkVisited, QColor(190, 150, 255));
    QColor placeholder = text;
    placeholder.setAlpha(128);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    palette.setColor(QPalette::BrightText, QColor(255, 90, 90));
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, dimmed);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(90, 90, 90));
    return palette;
}

}
