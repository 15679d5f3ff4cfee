// Import as an author meets it: on a fresh window or after a few settings,
// then the post settings switched on and off and the import undone. Every
// step is judged by the random sessions' oracle, so a wrong result stops
// the run as a crash would.
//
// Input: four bytes of settings, then the clipboard text.
//   byte 0: bit 0 guard register, bit 1 all-registers check, bit 2 dummy
//           skip, bit 3 cell link, bits 4-5 domain (VTSM, VMGM, Title, a
//           VTSM menu), bit 6 post settings, bit 7 Undo's answer No
//   bytes 1-3: list items and sub-picture choices

#include "random/SessionPlayer.h"
#include "ui/ComboBox.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using trevalo::testing::SessionPlayer;
using trevalo::testing::UserAction;

class Author {
public:
    void pick(const char* list, unsigned item)
    {
        auto* combo = dynamic_cast<trevalo::ui::ComboBox*>(m_player.form().window().find(list));
        if (!combo || combo->items().empty())
            return;
        UserAction action;
        action.kind = UserAction::Kind::Pick;
        action.control = list;
        action.item = item % combo->items().size();
        action.item_text = combo->items()[action.item];
        m_player.play(action);
    }

    void click(const char* control)
    {
        UserAction action;
        action.control = control;
        m_player.play(action);
    }

    void paste(std::string clipboard)
    {
        UserAction action;
        action.control = "cmdPaste";
        action.clipboard = std::move(clipboard);
        m_player.play(action);
    }

    void undo(trevalo::ui::Answer answer)
    {
        UserAction action;
        action.control = "cmdUndo";
        action.answer = answer;
        m_player.play(action);
    }

    void judge() const
    {
        if (m_player.faults().empty())
            return;
        for (const std::string& fault : m_player.faults())
            std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }

private:
    SessionPlayer m_player;
};

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::uint8_t settings[4] = { size > 0 ? data[0] : std::uint8_t(0), size > 1 ? data[1] : std::uint8_t(0),
        size > 2 ? data[2] : std::uint8_t(0), size > 3 ? data[3] : std::uint8_t(0) };
    const std::size_t skip = size < 4 ? size : 4;
    const std::string clipboard(reinterpret_cast<const char*>(data) + skip, size - skip);
    const unsigned flags = settings[0];

    Author author;
    if (flags & 0x01)
        author.pick("cboGPRM", settings[1]);
    if (flags & 0x02) {
        author.click("chkNone");
        author.pick("cboValue", settings[2]);
    }
    switch ((flags >> 4) & 3) {
    case 1:
        author.pick("cboSelect", 1);
        author.pick("cboPGC", settings[1] >> 4);
        break;
    case 2:
        author.pick("cboSelect", 2);
        author.pick("cboPGC", settings[2] >> 4);
        break;
    case 3:
        author.pick("cboPGC", settings[1] >> 3);
        author.pick("CboMenu", settings[2] >> 5);
        break;
    default:
        break;
    }
    if (flags & 0x04) {
        author.click("chkDummy");
        author.pick("cboDummy", settings[2]);
    }
    if (flags & 0x08) {
        author.click("chkLinkCN");
        author.pick("cboLinkCN", settings[1] >> 2);
    }
    author.paste(clipboard);

    if (flags & 0x40) {
        const unsigned choices = settings[3];
        static const char* const options[] = { "optOn", "optOff", "optNotSet", "optForce" };
        author.click("chkStreams");
        author.click(options[choices & 3]);
        author.pick("cboSubs", choices >> 2);
        author.pick("cboAudio", choices >> 4);
        author.click("chkHighlight");
        author.pick("cboButton", choices);
        if (choices & 0x80) {
            author.click("chkStreams");
            author.click("chkHighlight");
        }
    }
    author.undo(flags & 0x80 ? trevalo::ui::Answer::No : trevalo::ui::Answer::Yes);
    author.judge();
    return 0;
}
