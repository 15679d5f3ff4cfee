#pragma once

#include "core/CheckMemo.h"
#include "core/Checker.h"
#include "disc/Disc.h"
#include "disc/Scan.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Clipboard.h"
#include "ui/ComboBox.h"
#include "ui/FolderChooser.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/MenuEntry.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "vm/Replay.h"
#include "windows/DiscSession.h"
#include "windows/LogSource.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo {

// The main window: every control the author sees, the hidden controls that
// hold the tool's state between events, and the event operations that keep
// the three command blocks in step with the author's choices. It talks to the
// outside world only through the clipboard and message boxes it is given, so
// tests drive it headlessly; it draws nothing.
//
// Controls are declared in creation order, containers first: a binding draws
// later controls over earlier ones of the same container.
//
// With a disc opened (Disc.cpp) it also holds the disc, which its checks
// and the disc window read; the disc window acts on the main window only
// through the DiscSession calls, each of which runs the main window's own
// operations.
class Form1 : public DiscSession {
public:
    Form1(ui::Clipboard&, ui::MessageBoxes&, ui::ModalWindows&);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    ui::Window& window() { return form; }
    const ui::Window& window() const { return form; }

    // The checks of the blocks run after every event and show in lblNotice
    // and the blocks' tooltips; they never change a block. Off, the window
    // behaves exactly as without them.
    enum class Checks { On, Off };
    void setChecks(Checks);
    // What the checks find in the window as it stands, worst first.
    std::vector<core::Finding> findings() const;

    void Form_Load();
    void Form_Unload();

    // The guard register (RegisterGuard.cpp).
    void cboGPRM_Click();
    void cboValue_Click();
    void chkNone_Click();

    // The target PGC (TargetSelection.cpp).
    void cboSelect_Click();
    void CboMenu_Click();
    void cboPGC_Click();

    // The dummy skip and the cell link (DummySkip.cpp).
    void chkDummy_Click();
    void cboDummy_Click();
    void chkLinkCN_Click();
    void cboLinkCN_Click();

    // Copying a block (Copy.cpp).
    void cmdCopy_Click();
    void cmdCopy2_Click();
    void cmdCopy3_Click();

    // Import from PgcEdit (Import.cpp).
    void cmdPaste_Click();
    void Command1_Click();

    // The stream setting (Streams.cpp).
    void chkStreams_Click();
    void cboAudio_Click();
    void cboSubs_Click();
    void cboAngle_Click();
    void optOn_Click();
    void optOff_Click();
    void optNotSet_Click();
    void optForce_Click();

    // The highlighted button (Highlight.cpp).
    void chkHighlight_Click();
    void cboButton_Click();

    // Undo import (Undo.cpp) and Reset (Reset.cpp).
    void cmdUndo_Click();
    void mnuReset_Click();

    // A disc (Disc.cpp). Without a folder chooser, Open disc asks for none.
    void setFolderChooser(ui::FolderChooser* chooser) { m_folders = chooser; }
    void mnuOpenDisc_Click();
    void mnuDiscWindow_Click();
    // Reads the folder and shows the disc window (the command line opens a
    // disc without it); a folder that is no disc, or a damaged one, gets the
    // reader's message and changes nothing.
    enum class DiscWindow { Show, Hide };
    bool openDisc(const std::string& folder, DiscWindow window = DiscWindow::Show);
    const disc::Disc* disc() const { return m_disc ? &*m_disc : nullptr; }
    // What the window would import for a trace's commands (possibly none),
    // by Import's rules; false when it refused, with its message shown.
    bool importTraceCommands(const std::string& commands);
    // What the disc window and the command line ask of the main window.
    std::optional<vm::Target> currentTarget() const override;
    std::string useAsTarget(const vm::Target& target) override;
    bool importTrace(const std::string& commands, const std::vector<int>& buttons) override;
    vm::ReplayRequest replayRequest() const override;
    void setVerdict(std::optional<vm::Verdict> verdict) override;

    // The secondary windows (SecondaryWindows.cpp).
    void Log_Click();
    // What the log reports of the window as it stands.
    LogSource logSource() const;
    void About_Click();
    void cmdNote_Click();

private:
    ui::Clipboard& m_clipboard;
    ui::MessageBoxes& m_messages;
    ui::ModalWindows& m_modals;

    ui::Window form { "Form1", "Trevalo v" TREVALO_VERSION " ", 11010, 8430 };

public:
    ui::MenuEntry mnuDisc { &form, "mnuDisc" };
    ui::MenuEntry mnuOpenDisc { &mnuDisc, "mnuOpenDisc" };
    ui::MenuEntry mnuDiscWindow { &mnuDisc, "mnuDiscWindow" };
    ui::MenuEntry mnuReset { &form, "mnuReset" };
    ui::MenuEntry Log { &form, "Log" };
    ui::MenuEntry About { &form, "About" };

    // Step 1: the guard register.
    ui::Frame Frame3 { &form, "Frame3" };
    ui::Label Label4 { &Frame3, "Label4" };
    ui::Label Label20 { &Frame3, "Label20" };
    // The registers the open disc never uses; hidden without a disc.
    ui::Label lblUnused { &Frame3, "lblUnused" };
    ui::ComboBox cboGPRM { &Frame3, "cboGPRM" };
    ui::Button cmdTemp3 { &Frame3, "cmdTemp3" };
    ui::Label lblGPRM0 { &Frame3, "lblGPRM0" };
    ui::ComboBox cboValue { &Frame3, "cboValue" };
    ui::Label Label32 { &Frame3, "Label32" };
    ui::CheckBox chkNone { &form, "chkNone" };
    ui::Button cmdDummy { &form, "cmdDummy" };

    // Step 2: the trace instructions.
    ui::Frame Frame2 { &form, "Frame2" };
    ui::Label Label19 { &Frame2, "Label19" };
    ui::Label Label9 { &Frame2, "Label9" };
    ui::Label Label29 { &Frame2, "Label29" };
    ui::Label Label30 { &Frame2, "Label30" };

    // Step 3: the target PGC.
    ui::Frame Frame1 { &form, "Frame1" };
    ui::Label Label1 { &Frame1, "Label1" };
    ui::ComboBox cboSelect { &Frame1, "cboSelect" };
    ui::Button cmdTemp { &Frame1, "cmdTemp" };
    ui::ComboBox cboPGC { &Frame1, "cboPGC" };
    ui::ComboBox CboMenu { &Frame1, "CboMenu" };
    ui::Button cmdNote { &Frame1, "cmdNote" };
    ui::CheckBox chkDummy { &Frame1, "chkDummy" };
    ui::Label Label22 { &Frame1, "Label22" };
    ui::ComboBox cboDummy { &Frame1, "cboDummy" };
    ui::CheckBox chkLinkCN { &Frame1, "chkLinkCN" };
    ui::ComboBox cboLinkCN { &Frame1, "cboLinkCN" };
    ui::OptionButton optVTSM { &Frame1, "optVTSM" };
    ui::OptionButton OptTitle { &Frame1, "OptTitle" };
    ui::ComboBox cboVmgTitle { &Frame1, "cboVmgTitle" };

    // Step 4: the import.
    ui::Frame Frame4 { &form, "Frame4" };
    ui::Label Label7 { &Frame4, "Label7" };
    ui::Label Label6 { &Frame4, "Label6" };
    ui::Button cmdPaste { &form, "cmdPaste" };
    ui::Button cmdUndo { &form, "cmdUndo" };

    // Step 5: the optional post settings.
    ui::Frame Frame10 { &form, "Frame10" };
    ui::Label Label12 { &Frame10, "Label12" };
    ui::CheckBox chkStreams { &Frame10, "chkStreams" };
    ui::Label lblNC { &Frame10, "lblNC" };
    ui::Label lblAudio { &Frame10, "lblAudio" };
    ui::ComboBox cboAudio { &Frame10, "cboAudio" };
    ui::Button cmdStr { &Frame10, "cmdStr" };
    ui::Label lblSubs { &Frame10, "lblSubs" };
    ui::ComboBox cboSubs { &Frame10, "cboSubs" };
    ui::Label lblAngle { &Frame10, "lblAngle" };
    ui::ComboBox cboAngle { &Frame10, "cboAngle" };
    ui::Frame Frame7 { &Frame10, "Frame7" };
    ui::OptionButton optOn { &Frame7, "optOn" };
    ui::OptionButton optOff { &Frame7, "optOff" };
    ui::OptionButton optNotSet { &Frame7, "optNotSet" };
    ui::OptionButton optForce { &Frame7, "optForce" };
    ui::CheckBox chkAudioFlag { &Frame10, "chkAudioFlag" };
    ui::CheckBox chkHLflag { &Frame10, "chkHLflag" };
    ui::CheckBox chkHighlight { &Frame10, "chkHighlight" };
    ui::ComboBox cboButton { &Frame10, "cboButton" };
    ui::Button cmdDummy2 { &Frame10, "cmdDummy2" };
    ui::TextBox txtDetect { &Frame10, "txtDetect" };

    // Step 6: copying, and the three command blocks.
    ui::CheckBox chkdisable { &form, "chkdisable" };
    ui::Label lblNotice { &form, "lblNotice" };
    ui::Label lblCopyNote { &form, "lblCopyNote" };
    ui::Label Label11 { &form, "Label11" };
    ui::Button cmdCopy { &form, "cmdCopy" };
    ui::Label lblCopied1 { &form, "lblCopied1" };
    ui::Label Label10 { &form, "Label10" };
    ui::Button cmdCopy2 { &form, "cmdCopy2" };
    ui::Label lblCopied2 { &form, "lblCopied2" };
    ui::Label Label14 { &form, "Label14" };
    ui::Button cmdCopy3 { &form, "cmdCopy3" };
    ui::Label lblCopied3 { &form, "lblCopied3" };
    ui::Label Label13 { &form, "Label13" };
    ui::Label Label3 { &form, "Label3" };
    ui::TextBox Text1 { &form, "Text1" };
    ui::Label Label18 { &form, "Label18" };
    ui::Label Label5 { &form, "Label5" };
    ui::Label Label8 { &form, "Label8" };
    ui::TextBox Text2 { &form, "Text2" };
    ui::Label Label17 { &form, "Label17" };
    ui::Label Label16 { &form, "Label16" };
    ui::Label Label15 { &form, "Label15" };
    ui::TextBox Text3 { &form, "Text3" };

    // Step 7: the closing advice.
    ui::Frame Frame5 { &form, "Frame5" };
    ui::Label Label23 { &Frame5, "Label23" };
    ui::Label Label24 { &Frame5, "Label24" };

    // State holders: never seen, outside the client area or hidden.
    ui::TextBox txtOriginalSetSTN { &form, "txtOriginalSetSTN" };
    ui::TextBox txtOriginalHL { &form, "txtOriginalHL" };
    ui::TextBox txtText2 { &form, "txtText2" };
    ui::TextBox txtCB { &form, "txtCB" };
    ui::Button Command1 { &form, "Command1" };
    ui::TextBox txtText1 { &form, "txtText1" };
    ui::TextBox txtText3 { &form, "txtText3" };

private:
    void buildDesign();
    void describeForKeyboardAndScreenReaders();
    void wireOperations();
    // Runs `operation` as a user event: the checks run once it and every
    // operation it set off have finished.
    template<typename Operation>
    std::function<void()> event(Operation operation);
    // Runs `work` as a user event does: the outermost of nested events then
    // brings the checks and the copy marks up to date.
    void asEvent(const std::function<void()>& work);
    void refreshChecks();
    // After a copy the notice line says what went on the clipboard, until a
    // block changes; each block's mark shows while the block still reads as
    // it was copied and its copy button can copy it again.
    void noteCopy(int block, const ui::TextBox& text, std::string_view target);
    void forgetCopies();
    void refreshCopyFeedback();
    // A block's tooltip is its listing, worked out when it is read; this is
    // what it was last refreshed for, so a block counts as changed only
    // when its text or the menu its listing names has.
    struct Listed {
        bool has_source = false;
        std::string text;
        std::string menu;
    };
    void listBlock(ui::TextBox& block, Listed& listed);
    core::CheckInput checkInput() const;

    Checks m_checks = Checks::On;
    // What each block held when it was last copied; the note of the last
    // copy, with the three blocks as they read then.
    std::optional<std::string> m_copied[3];
    // What a screen reader says of the copy note when no findings ride on it.
    static constexpr std::string_view copy_note_description = "What the last copy put on the clipboard";
    std::string m_copy_note;
    std::string m_copy_note_short; // without the PGC's name, for a shared line
    std::string m_noted_blocks[3];
    // The findings' caption when the line is shared with the note.
    std::string m_notice_short;
    // The line the note and the findings share, whole or split.
    static constexpr ui::Place notice_place { 3360, 5160, 7455, 255 };
    static constexpr ui::Place shared_note_place { 3360, 5160, 2700, 255 };
    static constexpr ui::Place shared_notice_place { 6120, 5160, 4695, 255 };
    // After the log put its report on the clipboard, the note says so.
    void noteLogCopy();
    // The SetSTN commands of the last shown block as the stream setting found
    // them when switched on; switching off puts each back.
    std::vector<std::string> m_setstn_at_switch_on;
    Listed m_listed[3];
    mutable core::CheckMemo m_check_memo;
    int m_event_depth = 0;

    // The register digit of cboGPRM ("E" for "14"); empty for a number
    // outside 0..15, which no command can name.
    std::string registerDigit() const;
    // The marker value of cboValue as two hex bytes ("30 39" for "12345");
    // empty for a value outside 4096..65535, which would not fill two bytes.
    std::string markerPair() const;
    // The "if GPRM 0 is not the marker" test and "GPRM 0 := marker" set for
    // every register, in front of the First Play jump (17 commands).
    std::string allRegisterTests(std::string_view marker_pair) const;
    // Line 4 of the trace instructions names where the breakpoint goes.
    void setBreakpointTarget(std::string_view target);
    // Text3 while shown, else Text2: the post settings and the cell link end the flow, so go in its last block.
    ui::TextBox& lastShownBlock();
    // Text3 ticked, Text2 clear, else none: the import and the button and cell lists follow the author's choice; grey is none.
    ui::TextBox* dummyValueBlock();
    // The length of Text1's part in front of the First Play jump.
    std::size_t firstPlayPrefix() const;

    void adoptSetSTN(int k);
    // Shows a sub-picture code in the options and cboSubs as it stands,
    // writing nothing.
    void showSubPicture(std::string_view code);
    void restoreSetSTNs(std::string& text) const;
    // Writes code into byte j of every SetSTN of the last shown block.
    void writeStreamByte(int j, const std::string& code);
    void enableSubPictureList(bool enabled);
    // An enabled list has the light-yellow background of active input.
    static void reopen(ui::ComboBox& list);
    // Undo and Reset ask first what becomes of the clipboard; false when
    // the author cancels.
    bool askAboutClipboard();

    // Import from a text: the clipboard's, or a trace's from the disc, which
    // may hold no command at all.
    enum class ImportFrom { Clipboard, DiscTrace };
    bool importCommands(const std::string& text, ImportFrom from);

    // What the checks find that only the disc shows.
    std::vector<core::Finding> discFindings() const;
    void showUnusedRegisters();

    ui::FolderChooser* m_folders = nullptr;
    std::optional<disc::Disc> m_disc;
    disc::DiscScan m_scan;
    std::optional<vm::Verdict> m_verdict;
    // The blocks the verdict judged; a verdict on other blocks is stale.
    vm::Blocks m_verdict_blocks;
    // The buttons the imported trace pressed on the disc's own way to the
    // target; the replay presses them again.
    std::vector<int> m_trace_buttons;
};

}
