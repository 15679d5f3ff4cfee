#include "bindings/qt/BoundForm1.h"
#include "bindings/qt/CaptionClipping.h"

#include "bindings/qt/DialogHost.h"
#include "ui/ComboBox.h"
#include "windows/Note.h"
#include "windows/frmAbout.h"
#include "windows/frmLog.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace trevalo::testing {
namespace {

using Clipped = std::vector<std::string>;

class ClippingTest : public ::testing::Test {
protected:
    Clipped clippedInMainWindow() { return CaptionClipping::clippedCaptions(bound.binding(), &checked); }

    BoundForm1 bound;
    int checked = 0;
};

TEST_F(ClippingTest, EveryCaptionFitsItsControlAtStartUp)
{
    EXPECT_EQ(clippedInMainWindow(), Clipped());
    EXPECT_GT(checked, 40);
}

// Operations show the hidden controls (Undo, the third block, the caution,
// the detection notice); their captions must fit as well.
TEST_F(ClippingTest, EveryCaptionFitsWithEverythingShown)
{
    for (ui::Control* control : bound.form.window().controls())
        control->setVisible(true);
    bound.binding().mirror();
    EXPECT_EQ(clippedInMainWindow(), Clipped());
}

// The operations write the target into Label8, Label9, Label15 and Label22;
// the longest numbers and menu name must fit as well as the start-up ones.
TEST_F(ClippingTest, EveryCaptionFitsForTheLongestTarget)
{
    Form1& f = bound.form;
    auto pick = [&](ui::ComboBox& list, std::string_view item) {
        std::optional<std::size_t> index = list.indexOf(item);
        ASSERT_TRUE(index.has_value()) << item;
        list.pick(*index);
        bound.binding().mirror();
    };
    pick(f.cboPGC, "99");
    pick(f.CboMenu, "Sub-Picture Menu");
    EXPECT_EQ(clippedInMainWindow(), Clipped());

    f.chkDummy.click();
    pick(f.cboDummy, "99");
    EXPECT_NE(f.Label15.caption().find("99"), std::string::npos);
    EXPECT_EQ(clippedInMainWindow(), Clipped());
}

TEST_F(ClippingTest, EveryCaptionOfTheSecondaryWindowsFits)
{
    Note note;
    qt::DialogHost note_dialog(note.window());
    EXPECT_EQ(CaptionClipping::clippedCaptions(note_dialog.binding()), Clipped());

    frmAbout about;
    qt::DialogHost about_dialog(about.window());
    EXPECT_EQ(CaptionClipping::clippedCaptions(about_dialog.binding()), Clipped());

    frmLog log(bound.form.logSource(), bound.clipboard);
    qt::DialogHost log_dialog(log.window());
    EXPECT_EQ(CaptionClipping::clippedCaptions(log_dialog.binding()), Clipped());
    log.Command3.click();
    log_dialog.binding().mirror();
    EXPECT_EQ(CaptionClipping::clippedCaptions(log_dialog.binding()), Clipped());
}

TEST(SeenRegion, LeavesOutWhatIsCoveredOrOutsideItsContainer)
{
    QWidget client;
    client.resize(200, 100);
    auto* frame = new QWidget(&client);
    frame->setGeometry(10, 10, 100, 50);
    auto* inside = new QWidget(frame);
    inside->setGeometry(5, 5, 20, 20);
    auto* beyond = new QWidget(frame);
    beyond->setGeometry(120, 5, 20, 20);
    auto* under = new QWidget(frame);
    under->setGeometry(40, 5, 20, 20);
    auto* cover = new QWidget(frame);
    cover->setGeometry(35, 0, 40, 40);
    auto* half = new QWidget(frame);
    half->setGeometry(90, 30, 20, 40);

    EXPECT_EQ(CaptionClipping::seenRegion(inside, &client), QRegion(15, 15, 20, 20));
    EXPECT_TRUE(CaptionClipping::seenRegion(beyond, &client).isEmpty());
    EXPECT_TRUE(CaptionClipping::seenRegion(under, &client).isEmpty());
    EXPECT_EQ(CaptionClipping::seenRegion(half, &client), QRegion(100, 40, 10, 20));
    inside->hide();
    EXPECT_TRUE(CaptionClipping::seenRegion(inside, &client).isEmpty());
}

}
}
