// The command listing and the log on any block text: hand-edited, cut off,
// or not commands at all. Besides what the sanitizers catch, the listing
// keeps its shape: one line per recognised command, numbered in order,
// and the log lists each block as the listing does.

#include "core/Block.h"
#include "core/CommandListing.h"
#include "mainwindow/Form1.h"
#include "support/FakePlatform.h"
#include "windows/frmLog.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

// The listing is lines of the block's own commands, in order, each opening
// with the command's digits and its number, and one more CR LF at the end.
void checkShape(std::string_view listing, std::string_view block)
{
    const int count = trevalo::core::commandCount(block);
    std::size_t at = 0;
    for (int k = 1; k <= count; ++k) {
        const std::size_t start = static_cast<std::size_t>(trevalo::core::command_stride) * static_cast<std::size_t>(k - 1);
        if (start >= block.size())
            break;
        const std::string opening = "[" + std::string(block.substr(start + 1, 23)) + "] " + (k < 10 ? " " : "")
            + std::to_string(k) + "  ";
        if (listing.compare(at, opening.size(), opening) != 0)
            continue;
        const std::size_t end = listing.find("\r\n", at + opening.size());
        if (end == std::string_view::npos)
            fail("a listing line does not end", listing.substr(at));
        at = end + 2;
    }
    if (listing.substr(at) != "\r\n")
        fail("the listing holds more than its commands' lines", listing.substr(at));
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool dummy = input.ConsumeBool();
    const bool cell_link = input.ConsumeBool();
    // Menu texts with a line break would break the line shape checked below.
    std::string menu = input.ConsumeRandomLengthString(40);
    for (char& c : menu) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    const std::string block = input.ConsumeRemainingBytesAsString();

    const std::string listing = trevalo::core::DecodeCommands(block, menu);
    checkShape(listing, block);

    trevalo::testing::FakeClipboard clipboard;
    trevalo::testing::FakeMessageBoxes messages;
    trevalo::testing::FakeModalWindows modals;
    trevalo::Form1 form { clipboard, messages, modals };
    if (dummy)
        form.chkDummy.click();
    if (cell_link)
        form.chkLinkCN.click();
    for (trevalo::ui::TextBox* box : { &form.Text1, &form.Text2, &form.Text3 })
        box->setText(block);
    trevalo::frmLog log { form.logSource(), clipboard };
    if (log.txtLog.text().find(trevalo::core::DecodeCommands(block, form.CboMenu.text())) == std::string::npos)
        fail("the log does not list the block", block);
    return 0;
}
