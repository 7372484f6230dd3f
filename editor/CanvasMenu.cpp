// The context menu of a block on the canvas: change its kind, delete it, its properties, and the
// sides of a condition's TRUE and FALSE exits.
#include "base/Translation.h"
#include "drawing/WxImageStore.h"
#include "editor/CProjectViewer.h"
#include "editor/CanvasMenuIds.h"
#include "model/CProgram.h"
#include "model/FlowchartEdits.h"
#include "model/NameGroups.h"

#include <wx/menu.h>

namespace {
NameGroup GroupOf(const CState& block)
{
    return block.IsCondition() ? NameGroup::Sensors : NameGroup::Actuators;
}

// Whether changing block into prototype's kind would break a rule of its step or path: a name the
// step already shows, a Wait that would not stand at its step's right end, or a Stop with a
// successor or in a step.
bool ChangeRefused(CState& block, const CState& prototype)
{
    const wxString name = prototype.ResolvedName();
    for (const CState* member = block.LeftmostOfRow(); member; member = member->GetRowNeighbour(1))
        if (member->ResolvedName() == name)
            return true;
    const wxString& kind = prototype.GetKindWordRaw();
    if (kind == "Wait" && block.GetRowNeighbour(1))
        return true;
    return kind == "Stop" && (block.IsInRow() || block.GetSon());
}

// The side whose third of the block holds a drawing point (every side counted), or -1.
int ClickedSide(const CState& block, int x, int y)
{
    for (int d = 0; d < 4; ++d)
        if (block.GetAnchorRect(d, true).Contains(x, y))
            return d;
    return -1;
}
} // namespace

wxMenu* CProjectViewer::BuildContextMenu(CState* block, int x, int y)
{
    auto* menu = new wxMenu();
    auto* names = new wxMenu();
    int id = kMenuKindFirst;
    for (CState* prototype : GroupPrototypes(GroupOf(*block))) {
        if (id > kMenuKindLast)
            break;
        wxMenuItem* item = new wxMenuItem(names, id++, prototype->ResolvedName());
        if (const WxBlockImage* icon = AsWx(prototype->GetPaletteIcon()))
            item->SetBitmap(wxBitmap(icon->Image().Scale(24, 24, wxIMAGE_QUALITY_HIGH)));
        names->Append(item);
        item->Enable(!ChangeRefused(*block, *prototype));
    }
    menu->AppendSubMenu(names, _("Verander"))->SetId(kMenuChange);
    menu->Append(kMenuDelete, _("Verwijder"))->Enable(TheProgram().CanRemoveWithItsExits(block));
    menu->AppendSeparator();
    menu->Append(kMenuProperties, _("Eigenschappen"));
    if (block->IsCondition()) {
        // The exit items name the side clicked: a side that is no exit, or one without its path.
        m_clickedSide = ClickedSide(*block, x, y);
        const int side = m_clickedSide;
        if (side == Direction::Down || side == Direction::Right || side == Direction::Left) {
            menu->AppendSeparator();
            const wxString label = block->GetLabel();
            if (side != block->GetSonExitSide() || !block->GetSon())
                menu->Append(kMenuChangeTrue, wxString::Format(_("Stel parameter '%s' in als TRUE"), label));
            if (side != block->GetBranchExitSide() || !block->GetBranchSon(0))
                menu->Append(kMenuChangeFalse, wxString::Format(_("Stel parameter '%s' in als FALSE"), label));
        }
    }
    return menu;
}

void CProjectViewer::OpenContextMenu(CState* block, const wxPoint& window, const wxPoint& drawing)
{
    m_menuBlock = block;
    std::unique_ptr<wxMenu> menu(BuildContextMenu(block, drawing.x, drawing.y));
    m_tipFrozen = true;
    PopupMenu(menu.get(), window + wxPoint(5, 5));
    m_tipFrozen = false;
}

void CProjectViewer::OnContextCommand(wxCommandEvent& event)
{
    CState* block = m_menuBlock;
    if (!block)
        return;
    if (m_owner && !m_owner->AskToStopSimulation())
        return;
    CProgram& program = TheProgram();
    const int id = event.GetId();
    if (id == kMenuChangeTrue || id == kMenuChangeFalse) {
        if (MoveExitTo(program, block, id == kMenuChangeTrue, m_clickedSide))
            AfterEdit();
    } else if (id == kMenuDelete) {
        const size_t variables = program.Variables().GetCount();
        if (program.RemoveBlock(block)) {
            m_menuBlock = m_hoveredBlock = nullptr;
            SetCurrentBlock(nullptr);
            AfterEdit();
            if (program.Variables().GetCount() != variables && m_owner)
                m_owner->VariablesChanged();
        }
    } else if (id == kMenuProperties) {
        ShowProperties(block);
    } else if (id >= kMenuKindFirst && id <= kMenuKindLast) {
        const size_t index = static_cast<size_t>(id - kMenuKindFirst);
        const std::vector<CState*> prototypes = GroupPrototypes(GroupOf(*block));
        if (index < prototypes.size())
            ChangeKind(block, prototypes[index]->ResolvedName());
    }
    Refresh();
}

void CProjectViewer::ChangeKind(CState* block, const wxString& name)
{
    CState* prototype = nullptr;
    for (CState* candidate : GroupPrototypes(GroupOf(*block)))
        if (candidate->ResolvedName() == name && KindForName(name) == candidate->GetKindWordRaw())
            prototype = candidate;
    if (!prototype || ChangeRefused(*block, *prototype))
        return;
    CProgram& program = TheProgram();
    const int sides = block->GetSideSet();
    CState* changed = prototype->Clone();
    changed->SetViewer(this);
    program.SwapInPlace(block, changed);
    const bool wasCurrent = GetCurrentBlock() == block;
    if (wasCurrent)
        SetCurrentBlock(changed);
    m_hoveredBlock = m_menuBlock = changed;
    // The new block starts with the old one's parameter, which the dialog shows.
    changed->SetParameterValue(block->GetParameterValue());
    changed->SetParameterText(block->GetParameterText());
    if (block->IsCondition())
        changed->SetConditionOperator(block->GetConditionOperator());
    const size_t variables = program.Variables().GetCount();
    if (m_owner && m_owner->ShowBlockProperties(changed, false) == kPropertiesConfirmed) {
        program.DestroyBlock(block);
        AfterEdit();
        if (program.Variables().GetCount() != variables)
            m_owner->VariablesChanged();
        return;
    }
    // Abandoned: the old block comes back, as it was.
    program.SwapInPlace(changed, block);
    block->SetSideSet(sides);
    program.DestroyBlock(changed);
    m_hoveredBlock = m_menuBlock = block;
    if (wasCurrent)
        SetCurrentBlock(block);
}
