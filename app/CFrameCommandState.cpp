// The command-state mask: groups of menu commands and tools enabled and disabled together.
#include "app/CFrame.h"

#include "app/Actions.h"
#include "app/CommandIds.h"
#include "app/MenuRadio.h"
#include "model/CProgram.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>

void CFrame::EnableActionsOfGroups(long mask)
{
    // An item (a tool) is enabled while any of its groups is; the manual mode tool also belongs to
    // the start group while the robot is connected.
    wxMenuBar* menuBar = GetMenuBar();
    for (const Action& action : Actions()) {
        if (menuBar && action.menuId && (action.groups & mask) && menuBar->FindItem(action.menuId))
            menuBar->Enable(action.menuId, (m_commandState & action.groups) != 0);
        long toolGroups = action.groups | action.toolGroups;
        if (action.toolId == ID_TOOL_MODE_MANUAL && m_connected)
            toolGroups |= CMD_START;
        if (action.toolId && (toolGroups & mask))
            m_toolbar->EnableTool(action.toolId, (m_commandState & toolGroups) != 0);
    }
}

void CFrame::ApplyCommandGroups(long mask, bool enable)
{
    m_toolbar->Freeze();
    EnableActionsOfGroups(mask);

    if (mask & CMD_SAVE) {
        m_modified = enable;
        RecoveryFollowsChange(enable);
    }
    // A run keeps the mode it was opened in (and its pictures) when its Start command comes back.
    if (enable && (mask & CMD_START) && !IsRunActive()) {
        if (IsStartLinked()) {
            SetModeToolPictures(kModesVirtualActiveOthersGreyed);
            m_runControl.SetModeQuietly(1);
        } else {
            SetModeToolPictures(kModesAllNormal);
        }
    }
    wxMenuBar* menuBar = GetMenuBar();
    if (menuBar &&
        ((!enable && (mask & (CMD_MODE_MANUAL | CMD_MODE_STANDALONE))) || (enable && (mask & CMD_MODE_VIRTUAL))))
        CheckRadioItem(menuBar, ID_MENU_MODE_VIRTUAL);
    if (mask & (CMD_START | CMD_PAUSE | CMD_STOP | CMD_STEP))
        SetRunToolPictures();
    m_toolbar->Thaw();
    m_toolbar->Realize();
}

void CFrame::EnableCommands(long mask)
{
    m_commandState |= mask;
    ApplyCommandGroups(mask, true);
}

void CFrame::DisableCommands(long mask)
{
    m_commandState &= ~mask;
    ApplyCommandGroups(mask, false);
}

void CFrame::SetCommandState(long mask)
{
    DisableCommands(kAllCommandGroups & ~mask);
    EnableCommands(mask);
}

bool CFrame::IsStartLinked() const
{
    const CState* root = TheProgram().GetRoot();
    return root && root->GetSon();
}
