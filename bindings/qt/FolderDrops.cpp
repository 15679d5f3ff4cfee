#include "bindings/qt/FolderDrops.h"

#include "ui/Window.h"
#include "ui/binding/BindingEvents.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace trevalo::qt {

FolderDrops::FolderDrops(ui::Window& window, QWidget& top, ui::BindingEvents& events)
    : m_window(window)
    , m_top(top)
    , m_events(events)
{
    // Where drop sites are registered per widget (Windows), the window
    // must say it takes drops at all.
    if (m_window.on_drop_folder)
        m_top.setAcceptDrops(true);
    // The QWindow exists once the window is first shown.
    m_top.installEventFilter(this);
    watchWindow();
}

void FolderDrops::watchWindow()
{
    QWindow* window = m_top.windowHandle();
    if (!window || window == m_watched)
        return;
    window->installEventFilter(this);
    m_watched = window;
}

bool FolderDrops::takesDrops() const
{
    return static_cast<bool>(m_window.on_drop_folder) && m_window.usable();
}

std::optional<std::string> FolderDrops::droppedFolder(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return std::nullopt;
    const QUrl first = data->urls().constFirst();
    if (!first.isLocalFile())
        return std::nullopt;
    const QFileInfo folder(first.toLocalFile());
    if (!folder.isDir())
        return std::nullopt;
    return QDir::toNativeSeparators(folder.absoluteFilePath()).toStdString();
}

bool FolderDrops::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_top) {
        if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show)
            watchWindow();
        return false;
    }
    if (watched != m_watched)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!takesDrops() || !droppedFolder(drag->mimeData()))
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::optional<std::string> folder = takesDrops() ? droppedFolder(drop->mimeData()) : std::nullopt;
        if (!folder)
            return false;
        drop->acceptProposedAction();
        QMetaObject::invokeMethod(
            this,
            [this, folder = *folder] {
                m_events.droppedFolder(folder);
            },
            Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

}
