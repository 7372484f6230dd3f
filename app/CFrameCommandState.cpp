// The command-state mask: groups of menu commands and tools enabled and disabled together.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "app/MenuRadio.h"
#include "model/CProgram.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>

namespace {
struct CommandGroup
{
    long bit;
    std::initializer_list<int> menuIds;
    std::initializer_list<int> toolIds;
};

// The start group also holds the manual mode tool, but only while the robot is connected.
const CommandGroup kGroups[] = {
    {CMD_NEW, {ID_MENU_NEW}, {ID_TOOL_NEW}},
    {CMD_OPEN, {ID_MENU_OPEN}, {ID_TOOL_OPEN}},
    {CMD_SAVE, {ID_MENU_SAVE, ID_MENU_SAVE_AS}, {ID_TOOL_SAVE}},
    {CMD_PRINT, {ID_MENU_PRINT_PREVIEW, ID_MENU_PRINT}, {ID_TOOL_PRINT}},
    {CMD_UNDO, {ID_MENU_UNDO}, {ID_TOOL_UNDO}},
    {CMD_REDO, {ID_MENU_REDO}, {ID_TOOL_REDO}},
    {CMD_SELECT_TOOL, {}, {ID_TOOL_SELECT}},
    {CMD_MOVE_TOOL, {}, {ID_TOOL_MOVE}},
    {CMD_ZOOM_TOOL, {}, {ID_TOOL_ZOOM}},
    {CMD_UNPLACED_TOOL, {}, {ID_TOOL_UNPLACED}},
    {CMD_LINK_TOOL, {}, {ID_TOOL_LINK}},
    {CMD_START, {ID_MENU_START}, {ID_TOOL_START, ID_TOOL_MODE_VIRTUAL}},
    {CMD_PAUSE, {ID_MENU_PAUSE}, {ID_TOOL_PAUSE}},
    {CMD_STOP, {ID_MENU_STOP}, {ID_TOOL_STOP}},
    {CMD_STEP, {ID_MENU_STEP}, {ID_TOOL_STEP}},
    {CMD_MODE_VIRTUAL, {ID_MENU_MODE_VIRTUAL}, {ID_TOOL_MODE_VIRTUAL}},
    {CMD_MODE_MANUAL, {ID_MENU_MODE_MANUAL}, {ID_TOOL_MODE_MANUAL}},
    {CMD_MODE_STANDALONE, {ID_MENU_MODE_STANDALONE}, {ID_TOOL_MODE_STANDALONE}},
    {CMD_ROBOT, {}, {ID_TOOL_STOP_ACTUATORS, ID_TOOL_CONFIGURATION, ID_TOOL_UPLOAD}},
};

// Mode tool picture values: two bits per tool (virtual, manual, standalone).
constexpr int kModesVirtualActiveOthersGreyed = 0x3 | 0x4 | 0x10;
constexpr int kModesAllNormal = 0x2 | 0x8 | 0x20;
} // namespace

void CFrame::EnableCommandIds(long bit, bool enable)
{
    wxMenuBar* menuBar = GetMenuBar();
    for (const CommandGroup& group : kGroups) {
        if (group.bit != bit)
            continue;
        if (menuBar)
            for (int id : group.menuIds)
                if (menuBar->FindItem(id))
                    menuBar->Enable(id, enable);
        for (int id : group.toolIds)
            m_toolbar->EnableTool(id, enable);
        if (bit == CMD_START && m_connected)
            m_toolbar->EnableTool(ID_TOOL_MODE_MANUAL, enable);
    }
}

void CFrame::ApplyCommandGroups(long mask, bool enable)
{
    m_toolbar->Freeze();
    for (const CommandGroup& group : kGroups)
        if (mask & group.bit)
            EnableCommandIds(group.bit, enable);

    if (mask & CMD_SAVE)
        m_modified = enable;
    if (enable && (mask & CMD_START)) {
        if (IsStartLinked()) {
            SetModeToolPictures(kModesVirtualActiveOthersGreyed);
            m_runMode = 1;
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
    long all = 0;
    for (const CommandGroup& group : kGroups)
        all |= group.bit;
    DisableCommands(all & ~mask);
    EnableCommands(mask);
}

bool CFrame::IsStartLinked() const
{
    const CState* root = TheProgram().GetRoot();
    return root && root->GetSon();
}
