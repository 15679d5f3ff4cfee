#include "bindings/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace trevalo::qt {

using namespace ui;

std::string QtClipboard::text() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return {};
    return data->text().toStdString();
}

void QtClipboard::setText(std::string text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

}
