#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>

namespace trevalo::qt {

// A frame's widget: a group box whose model font is the font of its caption
// only. In the model every control has a font of its own and none takes its
// frame's; a QGroupBox would hand its font down to every child, and each
// child's own font then has to be set back over it, a font change per
// child that for a choice list also builds its drop-down long before
// anyone opens it.
class FrameWidget final : public QGroupBox {
public:
    explicit FrameWidget(QWidget* parent);

    const QFont& titleFont() const { return m_title_font; }
    void setTitleFont(const QFont& font);
    // Where the caption is drawn, over the top border; empty without one.
    QRect titleRect() const;
    // The border's colour: opaque, as the style's translucent one looks
    // over this frame's background.
    QColor borderColour() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QFont m_title_font;
};

}
