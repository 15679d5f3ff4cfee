#include "Libdvdread.h"

#include "disc/PgcAddress.h"

extern "C" {
#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>
#include <dvdread/nav_read.h>
#include <dvdread/nav_types.h>
}

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>

namespace trevalo::testing {

namespace {

struct Log {
    std::vector<std::string> lines;
};

void logged(void* priv, dvd_logger_level_t level, const char* format, va_list args)
{
    char text[1024];
    std::vsnprintf(text, sizeof text, format, args);
    if (level == DVD_LOGGER_LEVEL_ERROR || level == DVD_LOGGER_LEVEL_WARN)
        static_cast<Log*>(priv)->lines.push_back(std::string("libdvdread: ") + text);
}

class Compare {
public:
    std::vector<std::string> found;

    template<typename A, typename B>
    void same(const std::string& where, const char* field, const A& ours, const B& theirs)
    {
        if (static_cast<long long>(ours) != static_cast<long long>(theirs)) {
            std::ostringstream line;
            line << where << ": " << field << " is " << static_cast<long long>(ours) << ", libdvdread reads "
                 << static_cast<long long>(theirs);
            found.push_back(line.str());
        }
    }
    void note(const std::string& line) { found.push_back(line); }
};

std::uint32_t userOps(const user_ops_t& ops)
{
    // The 32 bits as the file has them, bit 31 first, from libdvdread's fields.
    const unsigned bits[] = { ops.zero, ops.video_pres_mode_change, ops.karaoke_audio_pres_mode_change, ops.angle_change,
        ops.subpic_stream_change, ops.audio_stream_change, ops.pause_on, ops.still_off, ops.button_select_or_activate,
        ops.resume, ops.chapter_menu_call, ops.angle_menu_call, ops.audio_menu_call, ops.subpic_menu_call,
        ops.root_menu_call, ops.title_menu_call, ops.backward_scan, ops.forward_scan, ops.next_pg_search,
        ops.prev_or_top_pg_search, ops.time_or_chapter_search, ops.go_up, ops.stop, ops.title_play,
        ops.chapter_search_or_play, ops.title_or_time_play };
    const int widths[] = { 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 };
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < std::size(bits); ++i)
        value = value << widths[i] | bits[i];
    return value;
}

void comparePgc(Compare& c, const std::string& where, const disc::Pgc& ours, const pgc_t* theirs)
{
    if (!theirs) {
        c.note(where + ": libdvdread has no PGC here");
        return;
    }
    c.same(where, "programs", ours.programs.size(), theirs->nr_of_programs);
    c.same(where, "cells", ours.cells.size(), theirs->nr_of_cells);
    for (int i = 0; i < 4; ++i)
        c.same(where, "playback time byte", ours.playback_time[static_cast<std::size_t>(i)],
            reinterpret_cast<const std::uint8_t*>(&theirs->playback_time)[i]);
    c.same(where, "prohibited operations", ours.prohibited_operations, userOps(theirs->prohibited_ops));
    for (std::size_t i = 0; i < 8; ++i)
        c.same(where, "audio control", ours.audio_control[i], theirs->audio_control[i]);
    for (std::size_t i = 0; i < 32; ++i)
        c.same(where, "sub-picture control", ours.subpicture_control[i], theirs->subp_control[i]);
    c.same(where, "next PGC", ours.next, theirs->next_pgc_nr);
    c.same(where, "previous PGC", ours.previous, theirs->prev_pgc_nr);
    c.same(where, "go-up PGC", ours.go_up, theirs->goup_pgc_nr);
    c.same(where, "still time", ours.still_time, theirs->still_time);
    c.same(where, "program playback mode", ours.program_playback_mode, theirs->pg_playback_mode);
    for (std::size_t i = 0; i < 16; ++i)
        c.same(where, "palette", ours.palette[i], theirs->palette[i]);
    c.same(where, "command table offset", ours.command_table_offset, theirs->command_tbl_offset);
    c.same(where, "program map offset", ours.program_map_offset, theirs->program_map_offset);
    c.same(where, "cell playback offset", ours.cell_playback_offset, theirs->cell_playback_offset);
    c.same(where, "cell position offset", ours.cell_position_offset, theirs->cell_position_offset);
    c.same(where, "has a command table", ours.commands.has_value(), theirs->command_tbl != nullptr);
    if (ours.commands && theirs->command_tbl) {
        const pgc_command_tbl_t& table = *theirs->command_tbl;
        const auto commands = [&](const char* kind, const std::vector<disc::Command>& list, int count,
                                  const vm_cmd_t* bytes) {
            c.same(where, kind, list.size(), count);
            for (std::size_t i = 0; i < list.size() && i < static_cast<std::size_t>(count); ++i) {
                if (std::memcmp(list[i].data(), bytes[i].bytes, 8) != 0)
                    c.note(where + ": " + kind + " " + std::to_string(i + 1) + " differs from libdvdread's");
            }
        };
        commands("pre commands", ours.commands->pre, table.nr_of_pre, table.pre_cmds);
        commands("post commands", ours.commands->post, table.nr_of_post, table.post_cmds);
        commands("cell commands", ours.commands->cell, table.nr_of_cell, table.cell_cmds);
    }
    for (std::size_t i = 0; i < ours.programs.size() && theirs->program_map; ++i)
        c.same(where, "program entry cell", ours.programs[i], theirs->program_map[i]);
    for (std::size_t i = 0; i < ours.cells.size() && theirs->cell_playback && theirs->cell_position; ++i) {
        const disc::Cell& cell = ours.cells[i];
        const cell_playback_t& playback = theirs->cell_playback[i];
        const cell_position_t& position = theirs->cell_position[i];
        const std::string at = where + " cell " + std::to_string(i + 1);
        c.same(at, "block mode", cell.block_mode, playback.block_mode);
        c.same(at, "block type", cell.block_type, playback.block_type);
        c.same(at, "seamless play", cell.seamless_play, playback.seamless_play);
        c.same(at, "interleaved", cell.interleaved, playback.interleaved);
        c.same(at, "STC discontinuity", cell.stc_discontinuity, playback.stc_discontinuity);
        c.same(at, "seamless angle", cell.seamless_angle, playback.seamless_angle);
        c.same(at, "VOBU still", cell.vobu_still, playback.playback_mode);
        c.same(at, "restricted", cell.restricted, playback.restricted);
        c.same(at, "cell type", cell.cell_type, playback.cell_type);
        c.same(at, "still time", cell.still_time, playback.still_time);
        c.same(at, "cell command", cell.command_number, playback.cell_cmd_nr);
        c.same(at, "first sector", cell.first_sector, playback.first_sector);
        c.same(at, "first ILVU end sector", cell.first_ilvu_end_sector, playback.first_ilvu_end_sector);
        c.same(at, "last VOBU start sector", cell.last_vobu_start_sector, playback.last_vobu_start_sector);
        c.same(at, "last sector", cell.last_sector, playback.last_sector);
        c.same(at, "VOB id", cell.vob_id, position.vob_id_nr);
        c.same(at, "cell id", cell.cell_id, position.cell_nr);
    }
}

void comparePgcTable(Compare& c, const std::string& where, const disc::InfoFile& file, const disc::PgcTable& ours,
    const pgcit_t* theirs)
{
    if (!theirs) {
        c.note(where + ": libdvdread has no PGC table here");
        return;
    }
    c.same(where, "PGCs", ours.pointers.size(), theirs->nr_of_pgci_srp);
    c.same(where, "last byte", ours.last_byte, theirs->last_byte);
    for (std::size_t i = 0; i < ours.pointers.size() && i < theirs->nr_of_pgci_srp; ++i) {
        const disc::PgcPointer& pointer = ours.pointers[i];
        const pgci_srp_t& srp = theirs->pgci_srp[i];
        const std::string at = where + " PGC " + std::to_string(i + 1);
        c.same(at, "entry", pointer.entry, srp.entry_id);
        c.same(at, "block mode", pointer.block >> 6, srp.block_mode);
        c.same(at, "block type", (pointer.block >> 4) & 3, srp.block_type);
        c.same(at, "parental mask", pointer.parental_mask, srp.ptl_id_mask);
        c.same(at, "start", file.pgcs[pointer.pgc].offset - ours.offset, srp.pgc_start_byte);
        comparePgc(c, at, file.pgcs[pointer.pgc], srp.pgc);
    }
}

void compareMenus(Compare& c, const std::string& where, const disc::InfoFile& file, const pgci_ut_t* theirs)
{
    c.same(where, "has menus", file.menus.has_value(), theirs != nullptr);
    if (!file.menus || !theirs)
        return;
    c.same(where, "language units", file.menus->units.size(), theirs->nr_of_lus);
    c.same(where, "unit table last byte", file.menus->last_byte, theirs->last_byte);
    for (std::size_t u = 0; u < file.menus->units.size() && u < theirs->nr_of_lus; ++u) {
        const disc::LanguageUnit& unit = file.menus->units[u];
        const pgci_lu_t& lu = theirs->lu[u];
        const std::string at = where + " language unit " + std::to_string(u + 1);
        c.same(at, "language", unit.language, lu.lang_code);
        c.same(at, "language extension", unit.extension, lu.lang_extension);
        c.same(at, "menus", unit.menus, lu.exists);
        c.same(at, "start", file.pgc_tables[unit.table].offset - file.menus->offset, lu.lang_start_byte);
        comparePgcTable(c, at, file, file.pgc_tables[unit.table], lu.pgcit);
    }
}

void compareAttributes(Compare& c, const std::string& where, const disc::StreamAttributes& ours, int audio_count,
    const audio_attr_t* audio, int subpicture_count, const subp_attr_t* subpicture)
{
    c.same(where, "audio streams", ours.audio_count, audio_count);
    for (std::size_t i = 0; i < ours.audio.size(); ++i) {
        const auto& bytes = ours.audio[i].bytes;
        c.same(where, "audio format", bytes[0] >> 5, audio[i].audio_format);
        c.same(where, "audio language", bytes[2] << 8 | bytes[3], audio[i].lang_code);
        c.same(where, "audio channels", bytes[1] & 7, audio[i].channels);
    }
    c.same(where, "sub-picture streams", ours.subpicture_count, subpicture_count);
    for (std::size_t i = 0; i < ours.subpictures.size(); ++i) {
        const auto& bytes = ours.subpictures[i].bytes;
        c.same(where, "sub-picture type", bytes[0] & 3, subpicture[i].type);
        c.same(where, "sub-picture language", bytes[2] << 8 | bytes[3], subpicture[i].lang_code);
    }
}

void compareButtons(Compare& c, dvd_reader_t* dvd, const disc::InfoFile& file)
{
    if (!file.menus)
        return;
    std::unique_ptr<dvd_file_t, void (*)(dvd_file_t*)> vob { DVDOpenFile(dvd, file.title_set, DVD_READ_MENU_VOBS),
        DVDCloseFile };
    for (std::size_t p = 0; p < file.pgcs.size(); ++p) {
        const std::vector<disc::PgcAddress> addresses = disc::addressesOf(file, p);
        if (addresses.empty() || addresses.front().domain == disc::Domain::FirstPlay
            || addresses.front().domain == disc::Domain::Title)
            continue;
        for (std::size_t i = 0; i < file.pgcs[p].cells.size(); ++i) {
            const disc::Cell& cell = file.pgcs[p].cells[i];
            const std::string at = file.name + " PGC at " + std::to_string(file.pgcs[p].offset) + " cell "
                + std::to_string(i + 1);
            if (!vob) {
                c.note(at + ": libdvdread cannot open the menu VOB");
                return;
            }
            unsigned char block[2048];
            if (DVDReadBlocks(vob.get(), static_cast<int>(cell.first_sector), 1, block) != 1) {
                c.note(at + ": libdvdread cannot read the cell's first block");
                continue;
            }
            pci_t pci {};
            navRead_PCI(&pci, block + 0x2D);
            const hl_gi_t& gi = pci.hli.hl_gi;
            c.same(at, "has highlight", cell.highlight.has_value(), gi.hli_ss != 0);
            if (!cell.highlight || gi.hli_ss == 0)
                continue;
            const disc::Highlight& h = *cell.highlight;
            c.same(at, "highlight status", h.status, gi.hli_ss);
            c.same(at, "button groups", h.button_groups, gi.btngr_ns);
            c.same(at, "button offset", h.first_button, gi.btn_ofn);
            c.same(at, "buttons", h.buttons.size(), gi.btn_ns);
            c.same(at, "selectable buttons", h.selectable, gi.nsl_btn_ns);
            c.same(at, "forced select", h.forced_select, gi.fosl_btnn);
            c.same(at, "forced activate", h.forced_activate, gi.foac_btnn);
            for (std::size_t b = 0; b < h.buttons.size(); ++b) {
                const disc::Button& ours = h.buttons[b];
                const btni_t& theirs = pci.hli.btnit[b];
                const std::string button = at + " button " + std::to_string(b + 1);
                c.same(button, "colour", ours.colour, theirs.btn_coln);
                c.same(button, "x start", ours.x_start, theirs.x_start);
                c.same(button, "x end", ours.x_end, theirs.x_end);
                c.same(button, "y start", ours.y_start, theirs.y_start);
                c.same(button, "y end", ours.y_end, theirs.y_end);
                c.same(button, "auto action", ours.auto_action, theirs.auto_action_mode);
                c.same(button, "up", ours.up, theirs.up);
                c.same(button, "down", ours.down, theirs.down);
                c.same(button, "left", ours.left, theirs.left);
                c.same(button, "right", ours.right, theirs.right);
                if (std::memcmp(ours.command.data(), theirs.cmd.bytes, 8) != 0)
                    c.note(button + ": command differs from libdvdread's");
            }
        }
    }
}

}

std::vector<std::string> disagreementsWithLibdvdread(const disc::Disc& ours, const std::filesystem::path& folder)
{
    Log log;
    Compare c;
    const dvd_logger_cb logger { logged };
    std::unique_ptr<dvd_reader_t, void (*)(dvd_reader_t*)> dvd { DVDOpen2(&log, &logger, folder.string().c_str()),
        DVDClose };
    if (!dvd) {
        c.note("libdvdread cannot open " + folder.string());
        c.found.insert(c.found.end(), log.lines.begin(), log.lines.end());
        return c.found;
    }
    // Opening a folder logs that no decryption library and no device are
    // there, which says nothing about the files; what follows does.
    log.lines.clear();
    using Ifo = std::unique_ptr<ifo_handle_t, void (*)(ifo_handle_t*)>;
    Ifo vmg { ifoOpen(dvd.get(), 0), ifoClose };
    if (!vmg) {
        c.note("libdvdread cannot read VIDEO_TS.IFO");
    } else {
        const disc::InfoFile& m = ours.manager;
        const std::string where = "VIDEO_TS.IFO";
        c.same(where, "last sector", m.last_sector, vmg->vmgi_mat->vmg_last_sector);
        c.same(where, "IFO last sector", m.ifo_last_sector, vmg->vmgi_mat->vmgi_last_sector);
        c.same(where, "management table last byte", m.table_last_byte, vmg->vmgi_mat->vmgi_last_byte);
        c.same(where, "title sets", m.title_set_count, vmg->vmgi_mat->vmg_nr_of_title_sets);
        c.same(where, "First Play offset", m.first_play ? m.pgcs[*m.first_play].offset : 0, vmg->vmgi_mat->first_play_pgc);
        c.same(where, "menu VOBS sector", m.sectors.menu_vobs, vmg->vmgi_mat->vmgm_vobs);
        c.same(where, "title table sector", m.titles ? m.titles->offset / 2048 : 0, vmg->vmgi_mat->tt_srpt);
        c.same(where, "menu units sector", m.menus ? m.menus->offset / 2048 : 0, vmg->vmgi_mat->vmgm_pgci_ut);
        c.same(where, "parental table sector", m.sectors.parental, vmg->vmgi_mat->ptl_mait);
        c.same(where, "set attributes sector", m.sectors.set_attributes, vmg->vmgi_mat->vts_atrt);
        c.same(where, "text data sector", m.sectors.text_data, vmg->vmgi_mat->txtdt_mgi);
        c.same(where, "menu cell addresses sector", m.sectors.menu_cell_addresses, vmg->vmgi_mat->vmgm_c_adt);
        c.same(where, "menu VOBU addresses sector", m.sectors.menu_vobu_addresses, vmg->vmgi_mat->vmgm_vobu_admap);
        compareAttributes(c, where + " menu", m.menu_streams, vmg->vmgi_mat->nr_of_vmgm_audio_streams,
            &vmg->vmgi_mat->vmgm_audio_attr, vmg->vmgi_mat->nr_of_vmgm_subp_streams, &vmg->vmgi_mat->vmgm_subp_attr);
        c.same(where, "has First Play", m.first_play.has_value(), vmg->first_play_pgc != nullptr);
        if (m.first_play)
            comparePgc(c, "First Play PGC", m.pgcs[*m.first_play], vmg->first_play_pgc);
        c.same(where, "has a title table", m.titles.has_value(), vmg->tt_srpt != nullptr);
        if (m.titles && vmg->tt_srpt) {
            c.same(where, "titles", m.titles->titles.size(), vmg->tt_srpt->nr_of_srpts);
            for (std::size_t t = 0; t < m.titles->titles.size() && t < vmg->tt_srpt->nr_of_srpts; ++t) {
                const disc::Title& title = m.titles->titles[t];
                const title_info_t& info = vmg->tt_srpt->title[t];
                const std::string at = "title " + std::to_string(t + 1);
                c.same(at, "angles", title.angles, info.nr_of_angles);
                c.same(at, "chapters", title.chapters, info.nr_of_ptts);
                c.same(at, "parental id", title.parental_id, info.parental_id);
                c.same(at, "title set", title.title_set, info.title_set_nr);
                c.same(at, "title in set", title.title_in_set, info.vts_ttn);
                c.same(at, "title set sector", title.title_set_sector, info.title_set_sector);
            }
        }
        compareMenus(c, "VMGM", m, vmg->pgci_ut);
        compareButtons(c, dvd.get(), m);
    }
    for (const disc::InfoFile& set : ours.title_sets) {
        Ifo vts { ifoOpen(dvd.get(), set.title_set), ifoClose };
        const std::string where = set.name;
        if (!vts) {
            c.note("libdvdread cannot read " + where);
            continue;
        }
        const vtsi_mat_t& mat = *vts->vtsi_mat;
        c.same(where, "last sector", set.last_sector, mat.vts_last_sector);
        c.same(where, "IFO last sector", set.ifo_last_sector, mat.vtsi_last_sector);
        c.same(where, "management table last byte", set.table_last_byte, mat.vtsi_last_byte);
        c.same(where, "menu VOBS sector", set.sectors.menu_vobs, mat.vtsm_vobs);
        c.same(where, "title VOBS sector", set.sectors.title_vobs, mat.vtstt_vobs);
        c.same(where, "chapter table sector", set.chapters ? set.chapters->offset / 2048 : 0, mat.vts_ptt_srpt);
        c.same(where, "title PGC table sector", set.title_pgcs ? set.pgc_tables[*set.title_pgcs].offset / 2048 : 0,
            mat.vts_pgcit);
        c.same(where, "menu units sector", set.menus ? set.menus->offset / 2048 : 0, mat.vtsm_pgci_ut);
        c.same(where, "time maps sector", set.sectors.time_maps, mat.vts_tmapt);
        c.same(where, "menu cell addresses sector", set.sectors.menu_cell_addresses, mat.vtsm_c_adt);
        c.same(where, "menu VOBU addresses sector", set.sectors.menu_vobu_addresses, mat.vtsm_vobu_admap);
        c.same(where, "title cell addresses sector", set.sectors.title_cell_addresses, mat.vts_c_adt);
        c.same(where, "title VOBU addresses sector", set.sectors.title_vobu_addresses, mat.vts_vobu_admap);
        compareAttributes(c, where + " menu", set.menu_streams, mat.nr_of_vtsm_audio_streams, &mat.vtsm_audio_attr,
            mat.nr_of_vtsm_subp_streams, &mat.vtsm_subp_attr);
        compareAttributes(c, where + " title", set.title_streams, mat.nr_of_vts_audio_streams, mat.vts_audio_attr,
            mat.nr_of_vts_subp_streams, mat.vts_subp_attr);
        if (set.title_pgcs)
            comparePgcTable(c, where + " titles", set, set.pgc_tables[*set.title_pgcs], vts->vts_pgcit);
        compareMenus(c, where + " VTSM", set, vts->pgci_ut);
        c.same(where, "has a chapter table", set.chapters.has_value(), vts->vts_ptt_srpt != nullptr);
        if (set.chapters && vts->vts_ptt_srpt) {
            const vts_ptt_srpt_t& ptt = *vts->vts_ptt_srpt;
            c.same(where, "chapter table titles", set.chapters->titles.size(), ptt.nr_of_srpts);
            for (std::size_t t = 0; t < set.chapters->titles.size() && t < ptt.nr_of_srpts; ++t) {
                const std::vector<disc::Chapter>& chapters = set.chapters->titles[t];
                const std::string at = where + " title " + std::to_string(t + 1);
                c.same(at, "chapters", chapters.size(), ptt.title[t].nr_of_ptts);
                for (std::size_t k = 0; k < chapters.size() && k < ptt.title[t].nr_of_ptts; ++k) {
                    c.same(at, "chapter PGC", chapters[k].pgc, ptt.title[t].ptt[k].pgcn);
                    c.same(at, "chapter program", chapters[k].program, ptt.title[t].ptt[k].pgn);
                }
            }
        }
        compareButtons(c, dvd.get(), set);
    }
    c.found.insert(c.found.end(), log.lines.begin(), log.lines.end());
    return c.found;
}

}
