#include "bindings/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

namespace trevalo::qt {

using namespace ui;
namespace {

class QtClipboardTest : public ::testing::Test {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }

    QtClipboard clipboard;
};

TEST_F(QtClipboardTest, TextGoesOutAsUtf16AndComesBackAsUtf8)
{
    std::string block = "{00 B1 00 0E 00 00 00 03}\r\nGr\xC3\xB6\xC3\x9F" "e \xE2\x86\x92 \xF0\x9F\x93\x80";
    clipboard.setText(block);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
        QString("{00 B1 00 0E 00 00 00 03}\r\nGr") + QChar(0xF6) + QChar(0xDF) + "e " + QChar(0x2192) + " "
            + QString::fromUcs4(U"\U0001F4C0"));
    EXPECT_EQ(clipboard.text(), block);
}

TEST_F(QtClipboardTest, TextPutThereByAnotherProgramReadsAsUtf8)
{
    QGuiApplication::clipboard()->setText(QString("caf") + QChar(0xE9));
    EXPECT_EQ(clipboard.text(), "caf\xC3\xA9");
}

TEST_F(QtClipboardTest, AnythingButTextReadsAsEmpty)
{
    auto* data = new QMimeData;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_EQ(clipboard.text(), "");

    clipboard.setText("x");
    clipboard.clear();
    EXPECT_EQ(clipboard.text(), "");
}

}
}
