#include "bindings/qt/WindowStates.h"

#include "bindings/qt/BoundForm1.h"
#include "ui/ComboBox.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace trevalo::testing {

namespace {

void pick(ui::ComboBox& list, std::string_view item)
{
    std::optional<std::size_t> index = list.indexOf(item);
    ASSERT_TRUE(index.has_value()) << list.name() << " has no item " << item;
    list.pick(*index);
}

}

const std::vector<std::string>& WindowStates::names()
{
    static const std::vector<std::string> all { "startup", "imported", "dummy", "copied" };
    return all;
}

void WindowStates::enter(BoundForm1& bound, const std::string& name)
{
    if (name == "imported")
        importWithPostSettings(bound);
    else if (name == "dummy")
        dummySkip(bound);
    else if (name == "copied")
        copiedAll(bound);
    else
        ASSERT_EQ(name, "startup");
    bound.binding().mirror();
}

void WindowStates::importWithPostSettings(BoundForm1& bound)
{
    Form1& f = bound.form;
    pick(f.cboPGC, "3");
    pick(f.CboMenu, "Chapter Menu");
    bound.clipboard.contents = "{71 00 00 05 00 07 00 00}\r\n{71 00 00 0E 00 05 00 00}\r\n{51 00 00 82 C5 00 00 00}";
    f.cmdPaste.click();
    f.chkStreams.click();
    f.chkHighlight.click();
    pick(f.cboButton, "4");
    ASSERT_TRUE(f.txtDetect.visible());
    ASSERT_EQ(f.chkStreams.value(), ui::Checked);
    ASSERT_EQ(f.chkHighlight.value(), ui::Checked);
    ASSERT_TRUE(f.lblNotice.visible());
}

void WindowStates::dummySkip(BoundForm1& bound)
{
    Form1& f = bound.form;
    f.chkDummy.click();
    f.chkLinkCN.click();
    f.chkNone.click();
    ASSERT_TRUE(f.Text3.visible());
}

void WindowStates::copiedAll(BoundForm1& bound)
{
    Form1& f = bound.form;
    pick(f.cboPGC, "12");
    pick(f.CboMenu, "Sub-Picture Menu");
    f.chkDummy.click();
    bound.clipboard.contents = "{71 00 00 05 00 07 00 00}";
    f.cmdPaste.click();
    for (ui::Button* copy : { &f.cmdCopy, &f.cmdCopy2, &f.cmdCopy3 })
        copy->click();
    ASSERT_TRUE(f.lblCopied3.visible());
    ASSERT_TRUE(f.lblCopyNote.visible());
}

void WindowStates::everythingShown(BoundForm1& bound)
{
    for (ui::Control* control : bound.form.window().controls())
        control->setVisible(true);
}

}
