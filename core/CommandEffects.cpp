#include "core/CommandEffects.h"

namespace trevalo::core {

namespace {

// SPRM 8 holds the highlighted button; SetTmpPML changes the parental level.
constexpr int highlight_sprm = 8;
constexpr int parental_level_sprm = 13;

class Use {
public:
    void read(const Operand& operand)
    {
        if (operand.kind == OperandKind::Gprm)
            m_use.gprmReads |= gprmBit(operand.value);
        else if (operand.kind == OperandKind::Sprm)
            m_use.sprmReads |= sprmBit(operand.value);
    }

    void readGprm(unsigned n) { m_use.gprmReads |= gprmBit(n); }
    void writeGprm(unsigned n) { m_use.gprmWrites |= gprmBit(n); }
    void writeSprm(unsigned n) { m_use.sprmWrites |= sprmBit(n); }

    RegisterUse result() const { return m_use; }

private:
    static std::uint16_t gprmBit(unsigned n) { return n < 16 ? static_cast<std::uint16_t>(1u << n) : 0; }
    static std::uint32_t sprmBit(unsigned n) { return n < 24 ? 1u << n : 0; }

    RegisterUse m_use;
};

void gprmSet(Use& use, const GprmSet& set)
{
    if (set.op == SetOp::None)
        return;
    use.read(set.source);
    use.writeGprm(set.gprm);
    if (set.op != SetOp::Mov && set.op != SetOp::Rnd)
        use.readGprm(set.gprm);
    if (set.op == SetOp::Swp && set.source.kind == OperandKind::Gprm)
        use.writeGprm(set.source.value);
}

void systemSet(Use& use, const SystemSet& set)
{
    switch (set.op) {
    case SystemSetOp::SetSTN: {
        int sprm = 1;
        for (const StreamSetting* stream : { &set.audio, &set.subPicture, &set.angle }) {
            if (stream->change == StreamChange::Set) {
                use.read(stream->value);
                use.writeSprm(sprm);
            }
            ++sprm;
        }
        break;
    }
    case SystemSetOp::SetNVTMR:
        use.read(set.value);
        use.writeSprm(9);
        use.writeSprm(10);
        break;
    case SystemSetOp::SetGPRMMD:
        use.read(set.value);
        use.writeGprm(set.gprm);
        break;
    case SystemSetOp::SetAMXMD:
        use.read(set.value);
        use.writeSprm(11);
        break;
    case SystemSetOp::SetHL_BTN:
        use.read(set.value);
        use.writeSprm(highlight_sprm);
        break;
    case SystemSetOp::None:
        break;
    }
}

BranchTarget linkTarget(const Link& link)
{
    BranchTarget target;
    target.button = link.button;
    target.number = link.number;
    switch (link.op) {
    case LinkOp::None:
    case LinkOp::LinkNoLink:
        target.number = 0;
        break;
    case LinkOp::RSM:
        target.kind = TargetKind::Resume;
        break;
    case LinkOp::LinkPGCN:
        target.kind = TargetKind::Pgc;
        break;
    case LinkOp::LinkPTTN:
        target.kind = TargetKind::Chapter;
        break;
    case LinkOp::LinkPGN:
        target.kind = TargetKind::Program;
        break;
    case LinkOp::LinkCN:
        target.kind = TargetKind::Cell;
        break;
    default:
        target.kind = TargetKind::Relative;
        target.relative = link.op;
        break;
    }
    return target;
}

BranchTarget jumpTarget(const Jump& jump)
{
    BranchTarget target;
    switch (jump.op) {
    case JumpOp::None:
        break;
    case JumpOp::Exit:
        target.kind = TargetKind::Exit;
        break;
    case JumpOp::JumpTT:
        target.kind = TargetKind::Title;
        target.number = jump.title;
        break;
    case JumpOp::JumpVTS_TT:
        target.kind = TargetKind::VtsTitle;
        target.number = jump.title;
        break;
    case JumpOp::JumpVTS_PTT:
        target.kind = TargetKind::VtsChapter;
        target.number = jump.chapter;
        target.title = jump.title;
        break;
    case JumpOp::JumpSS_FP:
    case JumpOp::CallSS_FP:
        target.kind = TargetKind::FirstPlay;
        break;
    case JumpOp::JumpSS_VMGM_Menu:
    case JumpOp::CallSS_VMGM_Menu:
        target.kind = TargetKind::VmgmMenu;
        target.menu = jump.menu;
        break;
    case JumpOp::JumpSS_VTSM:
    case JumpOp::CallSS_VTSM:
        target.kind = TargetKind::VtsMenu;
        target.menu = jump.menu;
        target.vts = jump.vts;
        target.title = jump.title;
        break;
    case JumpOp::JumpSS_VMGM_PGC:
    case JumpOp::CallSS_VMGM_PGC:
        target.kind = TargetKind::VmgmPgc;
        target.number = jump.pgc;
        break;
    }
    if (jump.op >= JumpOp::CallSS_FP) {
        target.invocation = Invocation::Call;
        target.resumeCell = jump.resumeCell;
    }
    return target;
}

}

RegisterUse registerUse(const Command& command)
{
    Use use;
    use.read(command.condition.left);
    use.read(command.condition.right);
    gprmSet(use, command.set);
    systemSet(use, command.system);
    if (command.link.button != 0)
        use.writeSprm(highlight_sprm);
    if (command.special.op == SpecialOp::SetTmpPML)
        use.writeSprm(parental_level_sprm);
    return use.result();
}

BranchTarget branchTarget(const Command& command)
{
    switch (command.form) {
    case CommandForm::Special:
        if (command.special.op == SpecialOp::Break)
            return { .kind = TargetKind::Break };
        if (command.special.op == SpecialOp::Goto || command.special.op == SpecialOp::SetTmpPML)
            return { .kind = TargetKind::Line, .number = command.special.line };
        return {};
    case CommandForm::JumpCall:
        return jumpTarget(command.jump);
    case CommandForm::Unassigned:
        return {};
    default:
        return linkTarget(command.link);
    }
}

}
