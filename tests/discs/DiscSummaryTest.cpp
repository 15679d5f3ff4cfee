// Each test disc holds what its script says: the script writes a summary
// beside the disc (pgcs.txt: the title sets, then one line per PGC of every
// domain and language unit), and libdvdread, reading the disc, must give the
// same lines. It checks the discs' structure, not their playback (the
// dvdnav tests do that), and nothing of the project's own reader.

#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>
#include <dvdread/nav_read.h>
#include <dvdread/nav_types.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string folderOf(const std::string& disc)
{
    return std::string(TREVALO_TEST_DISCS_DIR) + "/" + disc;
}

Lines summaryFile(const std::string& disc)
{
    Lines lines;
    std::ifstream in(folderOf(disc) + "/pgcs.txt");
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    }
    return lines;
}

std::string language(uint16_t code)
{
    return { char(code >> 8), char(code & 0xff) };
}

const char* menuName(uint8_t entryId)
{
    if (!(entryId & 0x80))
        return "none";
    switch (entryId & 0x0f) {
    case 2: return "title";
    case 3: return "root";
    case 4: return "subpicture";
    case 5: return "audio";
    case 6: return "angle";
    case 7: return "ptt";
    }
    return "unknown";
}

// The buttons of a PGC: those of the NAV pack that starts its first cell.
int buttonsOf(dvd_file_t* vobs, const pgc_t* pgc)
{
    if (!vobs || !pgc || pgc->nr_of_cells == 0)
        return 0;
    std::array<unsigned char, DVD_VIDEO_LB_LEN> block {};
    if (DVDReadBlocks(vobs, int(pgc->cell_playback[0].first_sector), 1, block.data()) != 1)
        return -1;
    // Pack header (14 bytes), system header (24), then the PCI packet.
    const unsigned char* p = block.data() + 0x26;
    if (p[0] != 0 || p[1] != 0 || p[2] != 1 || p[3] != 0xbf || p[6] != 0)
        return -1;
    pci_t pci {};
    navRead_PCI(&pci, block.data() + 0x2d);
    return pci.hli.hl_gi.hli_ss ? pci.hli.hl_gi.btn_ns : 0;
}

std::string pgcFields(const pgc_t* pgc, dvd_file_t* vobs)
{
    std::string s = " programs=" + std::to_string(pgc->nr_of_programs) + " cells=" + std::to_string(pgc->nr_of_cells);
    if (pgc->command_tbl) {
        s += " pre=" + std::to_string(pgc->command_tbl->nr_of_pre) + " post="
            + std::to_string(pgc->command_tbl->nr_of_post) + " cellcmds=" + std::to_string(pgc->command_tbl->nr_of_cell);
    } else {
        s += " notable";
    }
    if (const int buttons = buttonsOf(vobs, pgc))
        s += " buttons=" + std::to_string(buttons);
    return s;
}

void menuLines(Lines& out, const std::string& head, const pgci_ut_t* ut, dvd_file_t* vobs)
{
    for (int l = 0; ut && l < ut->nr_of_lus; ++l) {
        const pgci_lu_t& lu = ut->lu[l];
        for (int i = 0; i < lu.pgcit->nr_of_pgci_srp; ++i) {
            const pgci_srp_t& srp = lu.pgcit->pgci_srp[i];
            out.push_back(head + " lang=" + language(lu.lang_code) + " pgc=" + std::to_string(i + 1)
                + " entry=" + menuName(srp.entry_id) + pgcFields(srp.pgc, vobs));
        }
    }
}

std::string aspect(const video_attr_t& v)
{
    return v.display_aspect_ratio == 3 ? "16:9" : "4:3";
}

std::string videoFormat(const video_attr_t& v)
{
    return v.video_format == 1 ? "PAL" : "NTSC";
}

Lines summarize(const std::string& disc)
{
    Lines out;
    dvd_reader_t* dvd = DVDOpen(folderOf(disc).c_str());
    if (!dvd)
        return { "cannot open" };
    ifo_handle_t* vmg = ifoOpen(dvd, 0);
    if (!vmg) {
        DVDClose(dvd);
        return { "cannot read the VMG" };
    }
    const int titleSets = vmg->vmgi_mat->vmg_nr_of_title_sets;
    out.push_back("VMG titlesets=" + std::to_string(titleSets) + " titles=" + std::to_string(vmg->tt_srpt->nr_of_srpts));
    for (int t = 0; t < vmg->tt_srpt->nr_of_srpts; ++t) {
        const title_info_t& title = vmg->tt_srpt->title[t];
        out.push_back("TITLE " + std::to_string(t + 1) + " vts=" + std::to_string(title.title_set_nr) + " ttn="
            + std::to_string(title.vts_ttn) + " chapters=" + std::to_string(title.nr_of_ptts));
    }
    if (vmg->first_play_pgc)
        out.push_back("FP" + pgcFields(vmg->first_play_pgc, nullptr));
    dvd_file_t* vmgMenus = DVDOpenFile(dvd, 0, DVD_READ_MENU_VOBS);
    menuLines(out, "VMGM", vmg->pgci_ut, vmgMenus);
    if (vmgMenus)
        DVDCloseFile(vmgMenus);
    ifoClose(vmg);

    for (int n = 1; n <= titleSets; ++n) {
        ifo_handle_t* vts = ifoOpen(dvd, n);
        if (!vts) {
            out.push_back("cannot read VTS " + std::to_string(n));
            continue;
        }
        const vtsi_mat_t* mat = vts->vtsi_mat;
        const std::string set = "vts=" + std::to_string(n);
        out.push_back("VTS " + set + " format=" + videoFormat(mat->vts_video_attr) + " aspect="
            + aspect(mat->vts_video_attr) + " audio=" + std::to_string(mat->nr_of_vts_audio_streams)
            + " subpictures=" + std::to_string(mat->nr_of_vts_subp_streams));
        dvd_file_t* menus = DVDOpenFile(dvd, n, DVD_READ_MENU_VOBS);
        menuLines(out, "VTSM " + set, vts->pgci_ut, menus);
        if (menus)
            DVDCloseFile(menus);
        dvd_file_t* titles = DVDOpenFile(dvd, n, DVD_READ_TITLE_VOBS);
        for (int i = 0; i < vts->vts_pgcit->nr_of_pgci_srp; ++i) {
            const pgci_srp_t& srp = vts->vts_pgcit->pgci_srp[i];
            const std::string entry = (srp.entry_id & 0x80) ? "title=" + std::to_string(srp.entry_id & 0x7f) : "title=none";
            out.push_back("VTS " + set + " pgc=" + std::to_string(i + 1) + " " + entry + pgcFields(srp.pgc, titles));
        }
        if (titles)
            DVDCloseFile(titles);
        ifoClose(vts);
    }
    DVDClose(dvd);
    return out;
}

class DiscSummary : public ::testing::TestWithParam<std::string> { };

TEST_P(DiscSummary, IsWhatLibdvdreadReads)
{
    const Lines expected = summaryFile(GetParam());
    ASSERT_FALSE(expected.empty()) << "no pgcs.txt beside " << GetParam();
    EXPECT_EQ(summarize(GetParam()), expected);
}

INSTANTIATE_TEST_SUITE_P(TestDiscs, DiscSummary, ::testing::Values("firstplay_menus", "two_titlesets", "single_title"));

}
