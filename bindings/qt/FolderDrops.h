#pragma once

#include <QObject>
#include <QPointer>

#include <optional>
#include <string>

class QMimeData;
class QWidget;
class QWindow;

namespace trevalo::ui {
class BindingEvents;
class Window;
}

namespace trevalo::qt {

// Takes a folder dropped on a window whose model has on_drop_folder: the
// first dropped item, when it is a local directory, goes to the model as
// its path in UTF-8, once the drop itself is over (the model may open a
// modal window, which must not keep the dragging program waiting). It
// watches the top-level window's QWindow, ahead of the widget under the
// pointer (a text box would take the drop as text, and nothing passes a
// drop it ignores on to its parent), and lets every other drag through to
// the widgets. It decides nothing about the folder.
class FolderDrops final : public QObject {
public:
    FolderDrops(ui::Window&, QWidget& top, ui::BindingEvents&);

    // The path of the first dropped item if it is a local directory.
    static std::optional<std::string> droppedFolder(const QMimeData*);

    bool eventFilter(QObject*, QEvent*) override;

private:
    void watchWindow();
    bool takesDrops() const;

    ui::Window& m_window;
    QWidget& m_top;
    ui::BindingEvents& m_events;
    QPointer<QWindow> m_watched;
};

}
