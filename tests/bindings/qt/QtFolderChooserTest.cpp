#include "bindings/qt/QtFolderChooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace trevalo::testing {
namespace {

// The picker as the user sees it (Qt's own dialog on the offscreen
// platform): `user` acts in it once it is up.
std::optional<std::string> choose(qt::QtFolderChooser& chooser, const std::string& title, const std::string& start,
    const std::function<void(QFileDialog&)>& user)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = true;
        user(*dialog);
    });
    std::optional<std::string> chosen = chooser.chooseFolder(title, start);
    EXPECT_TRUE(shown);
    return chosen;
}

// The picker opens modally at the start folder with the title asked for
// and picks folders only; the chosen folder comes back in UTF-8, with the
// platform's separators, and a cancel as nothing.
TEST(QtFolderChooser, ShowsTheTitleAndStartAndGivesTheChosenFolderInUtf8)
{
    QTemporaryDir scratch;
    const QString chosen = scratch.filePath(QStringLiteral("Copie gravée"));
    ASSERT_TRUE(QDir().mkpath(chosen));
    qt::QtFolderChooser chooser;
    int before = 0;
    chooser.on_before_show = [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the window behind catches up first";
        ++before;
    };

    const std::optional<std::string> picked
        = choose(chooser, "Write the patched copy into a new or empty folder", scratch.path().toStdString(), [&](QFileDialog& dialog) {
              EXPECT_TRUE(dialog.isModal());
              EXPECT_EQ(dialog.windowTitle(), "Write the patched copy into a new or empty folder");
              EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(scratch.path()).canonicalPath());
              EXPECT_EQ(dialog.fileMode(), QFileDialog::Directory);
              EXPECT_TRUE(dialog.testOption(QFileDialog::ShowDirsOnly));
              dialog.selectFile(chosen);
              static_cast<QDialog&>(dialog).accept();
          });
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(*picked, QDir::toNativeSeparators(chosen).toStdString());
    EXPECT_EQ(QString::fromUtf8(picked->c_str()), QDir::toNativeSeparators(chosen));
    EXPECT_EQ(before, 1);

    EXPECT_EQ(choose(chooser, "Open a DVD-Video folder", scratch.path().toStdString(), [](QFileDialog& dialog) { static_cast<QDialog&>(dialog).reject(); }),
        std::nullopt);
    EXPECT_EQ(before, 2);
}

}
}
