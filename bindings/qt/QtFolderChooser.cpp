#include "bindings/qt/QtFolderChooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace trevalo::qt {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}

std::optional<std::string> QtFolderChooser::chooseFolder(std::string_view title, std::string_view start)
{
    if (on_before_show)
        on_before_show();
    const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), fromUtf8(title),
        fromUtf8(start), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder).toStdString();
}

}
