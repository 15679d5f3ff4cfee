#include "mainwindow/Form1.h"

#include <algorithm>

#include "core/CommandListing.h"
#include "core/Text.h"

namespace trevalo {

namespace {

// The listing without its closing empty line, as a tooltip wants it.
std::string listingTip(std::string_view block, std::string_view menu)
{
    std::string listing = core::DecodeCommands(block, menu);
    while (listing.size() >= 2 && listing.compare(listing.size() - 2, 2, "\r\n") == 0)
        listing.resize(listing.size() - 2);
    return listing;
}

}

void Form1::setChecks(Checks checks)
{
    m_checks = checks;
    refreshChecks();
}

core::CheckInput Form1::checkInput() const
{
    core::CheckInput input;
    // The import's own text counts only while that import is in place.
    if (cmdUndo.visible())
        input.imported = txtCB.text();
    input.all_registers = chkNone.value() == ui::Checked;
    input.guard_register = static_cast<int>(core::leadingNumber(cboGPRM.text()));
    input.marker = core::leadingNumber(cboValue.text());
    input.domain = cboSelect.text();
    input.blocks.push_back({ Label3.caption(), Text1.text() });
    input.blocks.push_back({ Label8.caption(), Text2.text() });
    if (Text3.visible()) {
        input.blocks.push_back({ Label15.caption(), Text3.text() });
        input.menu_block = 2;
    }
    return input;
}

std::vector<core::Finding> Form1::findings() const
{
    std::vector<core::Finding> found = m_check_memo.findings(checkInput());
    if (!m_disc)
        return found;
    // What only the disc shows joins in by its severity, worst first.
    for (core::Finding& finding : discFindings())
        found.push_back(std::move(finding));
    std::stable_sort(found.begin(), found.end(),
        [](const core::Finding& a, const core::Finding& b) { return a.severity < b.severity; });
    return found;
}

void Form1::listBlock(ui::TextBox& block, Listed& listed)
{
    const std::string& menu = CboMenu.text();
    if (listed.has_source && listed.text == block.text() && listed.menu == menu)
        return;
    if (listed.has_source) {
        block.refreshTooltip();
    } else {
        block.setTooltipSource([this, &block] { return listingTip(block.text(), CboMenu.text()); });
        listed.has_source = true;
    }
    listed.text = block.text();
    listed.menu = menu;
}

void Form1::refreshChecks()
{
    showUnusedRegisters();
    ui::TextBox* const blocks[] = { &Text1, &Text2, &Text3 };
    if (m_checks == Checks::Off) {
        lblNotice.setVisible(false);
        for (std::size_t i = 0; i < std::size(blocks); ++i) {
            blocks[i]->setTooltip("");
            m_listed[i] = {};
        }
        return;
    }
    for (std::size_t i = 0; i < std::size(blocks); ++i)
        listBlock(*blocks[i], m_listed[i]);

    const std::vector<core::Finding> found = findings();
    if (found.empty()) {
        lblNotice.setVisible(false);
        lblNotice.setCaption("");
        lblNotice.setTooltip("");
        lblNotice.setAccessibleDescription("");
        return;
    }
    std::string caption = "Check: " + found.front().title;
    m_notice_short = caption + (found.size() > 1 ? " (+" + std::to_string(found.size() - 1) + ")" : std::string());
    if (found.size() > 1)
        caption += " (and " + std::to_string(found.size() - 1) + " more)";
    caption += ". Point here for what to do.";
    std::string details;
    for (const core::Finding& finding : found) {
        if (!details.empty())
            details += "\r\n\r\n";
        details += finding.text;
    }
    lblNotice.setCaption(std::move(caption));
    lblNotice.setAccessibleDescription(details);
    lblNotice.setTooltip(std::move(details));
    lblNotice.setVisible(true);
}

}
