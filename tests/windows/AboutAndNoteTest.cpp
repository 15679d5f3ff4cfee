#include "support/FormFixture.h"
#include "ui/binding/UserEvents.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace trevalo {
namespace {

using testing::FormFixture;

class SecondaryWindows : public FormFixture {
protected:
    template<typename Kind>
    static Kind& control(ui::Window& window, const char* name)
    {
        auto* found = dynamic_cast<Kind*>(window.find(name));
        if (!found)
            throw std::runtime_error(std::string(window.name()) + " has no " + name);
        return *found;
    }
};

TEST_F(SecondaryWindows, AboutOpensLoadedAndABackgroundClickClosesIt)
{
    bool checked = false;
    modals.while_shown = [&](ui::Window& window) {
        EXPECT_EQ(window.caption(), "About ");
        EXPECT_EQ(control<ui::Label>(window, "lblVersion").caption(), "Version 1.55");
        const std::string title = control<ui::Label>(window, "lblTitle").caption();
        EXPECT_EQ(title.rfind("Trevalo by ", 0), 0u) << title;
        EXPECT_GT(title.size(), std::string("Trevalo by ").size()) << title;
        EXPECT_EQ(control<ui::Label>(window, "lblDescription").caption(),
            "Used along with PgcEdit's trace function to help assist on preparing commands in jumping from PGC to "
            "PGC.");
        EXPECT_FALSE(control<ui::Label>(window, "Label1").caption().empty());

        const std::string thanks = control<ui::Label>(window, "Label2").caption();
        const auto gap = thanks.find("\r\n\r\n");
        ASSERT_NE(gap, std::string::npos) << thanks;
        EXPECT_GT(gap, 0u);
        EXPECT_LT(gap + 4, thanks.size());
        EXPECT_EQ(thanks.find("\r\n\r\n", gap + 4), std::string::npos) << thanks;

        ASSERT_TRUE(window.visible());
        ASSERT_TRUE(window.on_click);
        window.on_click();
        EXPECT_FALSE(window.visible());
        checked = true;
    };
    click(form.About);
    EXPECT_EQ(modals.shown, (std::vector<std::string> { "frmAbout" }));
    EXPECT_TRUE(checked);
}

TEST_F(SecondaryWindows, AboutIsLoadedAfreshEachTime)
{
    std::vector<bool> visible_when_shown;
    modals.while_shown = [&](ui::Window& window) {
        visible_when_shown.push_back(window.visible());
        window.on_click();
    };
    click(form.About);
    click(form.About);
    EXPECT_EQ(modals.shown, (std::vector<std::string> { "frmAbout", "frmAbout" }));
    EXPECT_EQ(visible_when_shown, (std::vector<bool> { true, true }));
}

TEST_F(SecondaryWindows, CautionOpensFromTheMenuChoiceAndOkClosesIt)
{
    pick(form.CboMenu, "Sub-Picture Menu");
    ASSERT_TRUE(form.cmdNote.usable());
    bool checked = false;
    modals.while_shown = [&](ui::Window& window) {
        EXPECT_EQ(window.caption(), "Caution");
        EXPECT_EQ(control<ui::Label>(window, "lblDescription").caption(),
            "Menu selected is optional named on some DVDs. Confirm in PgcEdit to see that it's configured or you'll "
            "get navigational errors on playback");
        auto& ok = control<ui::Button>(window, "cmdOK");
        EXPECT_EQ(ok.caption(), "OK");
        ASSERT_TRUE(window.visible());
        ui::userClicked(ok);
        EXPECT_FALSE(window.visible());
        checked = true;
    };
    click(form.cmdNote);
    EXPECT_EQ(modals.shown, (std::vector<std::string> { "Note" }));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SecondaryWindows, OpeningTheWindowsLeavesTheMainWindowAsItWas)
{
    const std::string before = form.window().dumpState();
    click(form.About);
    click(form.Log);
    EXPECT_EQ(form.window().dumpState(), before);
    EXPECT_EQ(clipboard.sets + clipboard.clears, 0);
    EXPECT_EQ(modals.shown, (std::vector<std::string> { "frmAbout", "frmLog" }));
}

}
}
