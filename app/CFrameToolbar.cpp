// The main window's toolbar and the pictures that show the active canvas tool and run mode.
#include "app/CFrame.h"

#include "app/Actions.h"
#include "app/CommandIds.h"
#include "app/ToolPictures.h"
#include "base/Translation.h"

#include <algorithm>
#include <vector>
#include <wx/aui/auibar.h>

namespace {
struct CanvasToolPictures
{
    int toolId;
    const char* on;
    const char* off;
};

// Indexed by the canvas tool number.
const CanvasToolPictures kCanvasTools[] = {
    {ID_TOOL_SELECT, "Img/icons/arrow_on-ico.png", "Img/icons/arrow_off-ico.png"},
    {ID_TOOL_MOVE, "Img/icons/move_on-ico.png", "Img/icons/move_off_g-ico.png"},
    {ID_TOOL_ZOOM, "Img/icons/zoom_on-ico.png", "Img/icons/zoom_off-ico.png"},
    {ID_TOOL_LINK, "Img/icons/link_on-ico.png", "Img/icons/link_off-ico.png"},
};

struct ModeToolPictures
{
    int toolId;
    const char* active;
    const char* normal;
    const char* greyed;
};

const ModeToolPictures kModeTools[] = {
    {ID_TOOL_MODE_VIRTUAL, "Img/Icons/ghost_on-ico.png", "Img/Icons/ghost-ico.png", "Img/Icons/ghost-ico_g.png"},
    {ID_TOOL_MODE_MANUAL, "Img/Icons/pilotage_on-ico.png", "Img/Icons/pilotage-ico.png",
     "Img/Icons/pilotage-ico_g.png"},
    {ID_TOOL_MODE_STANDALONE, "Img/Icons/automate_on-ico.png", "Img/Icons/automate-ico.png",
     "Img/Icons/automate-ico_g.png"},
};
} // namespace

const wxBitmap& CFrame::Picture(const wxString& relative)
{
    auto found = m_pictures.find(relative);
    if (found == m_pictures.end())
        found = m_pictures.emplace(relative, LoadToolPicture(relative)).first;
    return found->second;
}

void CFrame::BuildToolBar()
{
    m_toolbar = new wxAuiToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxAUI_TB_DEFAULT_STYLE);
    m_toolbar->SetToolBitmapSize(wxSize(32, 32));
    // The tools in order of their group, then of their place in it; a separator between groups.
    std::vector<const Action*> tools;
    for (const Action& action : Actions())
        if (action.toolId)
            tools.push_back(&action);
    std::stable_sort(tools.begin(), tools.end(), [](const Action* a, const Action* b) {
        return std::make_pair(a->toolGroup, a->toolOrder) < std::make_pair(b->toolGroup, b->toolOrder);
    });
    for (size_t i = 0; i < tools.size(); ++i) {
        const Action* tool = tools[i];
        if (i > 0 && tool->toolGroup != tools[i - 1]->toolGroup)
            m_toolbar->AddSeparator();
        const wxString picture = *tool->picture ? wxString("Img/Icons/") + tool->picture : wxString();
        m_toolbar->AddTool(tool->toolId, _(tool->ToolLabel()), Picture(picture), _(tool->Tooltip()));
        if (tool->startsDisabled)
            m_toolbar->EnableTool(tool->toolId, false);
    }
    m_toolbar->Realize();

    m_aui.AddPane(m_toolbar, wxAuiPaneInfo()
                                 .Name("_toolbar_mainmenu")
                                 .Caption(_("Main Menu"))
                                 .ToolbarPane()
                                 .Top()
                                 .Gripper(false)
                                 .LeftDockable(false)
                                 .RightDockable(false)
                                 .Floatable(false));
}

void CFrame::SelectCanvasTool(int tool)
{
    if (tool < 0 || tool >= static_cast<int>(WXSIZEOF(kCanvasTools)))
        return;
    m_canvasTool = tool;
    for (int i = 0; i < static_cast<int>(WXSIZEOF(kCanvasTools)); ++i)
        m_toolbar->SetToolBitmap(kCanvasTools[i].toolId, Picture(i == tool ? kCanvasTools[i].on : kCanvasTools[i].off));
    m_toolbar->Refresh();
    SetCanvasViewerTool(tool);
}

void CFrame::SetModeToolPictures(int bits)
{
    for (int i = 0; i < 3; ++i) {
        const int pair = (bits >> (2 * i)) & 3;
        const char* picture = pair == 3   ? kModeTools[i].active
                              : pair == 2 ? kModeTools[i].normal
                              : pair == 1 ? kModeTools[i].greyed
                                          : nullptr;
        if (picture)
            m_toolbar->SetToolBitmap(kModeTools[i].toolId, Picture(picture));
    }
    m_toolbar->Refresh();
}

void CFrame::SetRunToolPictures()
{
    static const struct
    {
        int id;
        const char* normal;
        const char* greyed;
    } kRunTools[] = {
        {ID_TOOL_START, "Img/Icons/play-ico.png", "Img/Icons/play-ico_g.png"},
        {ID_TOOL_STEP, "Img/Icons/suivant-ico.png", "Img/Icons/suivant-ico_g.png"},
        {ID_TOOL_PAUSE, "Img/Icons/pause-ico.png", "Img/Icons/pause-ico_g.png"},
        {ID_TOOL_STOP, "Img/Icons/stop-ico.png", "Img/Icons/stop-ico_g.png"},
    };
    for (const auto& tool : kRunTools)
        m_toolbar->SetToolBitmap(tool.id, Picture(m_toolbar->GetToolEnabled(tool.id) ? tool.normal : tool.greyed));
}
