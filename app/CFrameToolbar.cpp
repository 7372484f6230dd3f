// The main window's toolbar and the pictures that show the active canvas tool and run mode.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "app/ToolPictures.h"

#include <wx/aui/auibar.h>

namespace {
struct ToolEntry
{
    int id;
    const char* label; // null for a separator
    const char* picture;
};

const ToolEntry kTools[] = {
    {ID_TOOL_NEW, "Nieuw", "Img/Icons/nouveau2-ico.png"},
    {ID_TOOL_OPEN, "Open", "Img/Icons/open-ico.png"},
    {ID_TOOL_SAVE, "Opslaan project", "Img/Icons/save-ico.png"},
    {ID_TOOL_PRINT, "Afdrukken", "Img/Icons/print-ico.png"},
    {0, nullptr, nullptr},
    {ID_TOOL_UNDO, "Ongedaan maken", "Img/Icons/undo-ico.png"},
    {ID_TOOL_REDO, "Opnieuw", "Img/Icons/redo-ico.png"},
    {ID_TOOL_SELECT, "Selecteer", "Img/Icons/arrow_on-ico.png"},
    {ID_TOOL_MOVE, "Beweeg", "Img/Icons/move_off_g-ico.png"},
    {ID_TOOL_ZOOM, "Zoom", "Img/Icons/zoom_off-ico.png"},
    {ID_TOOL_LINK, "Verbind", "Img/Icons/link_off-ico.png"},
    {0, nullptr, nullptr},
    {ID_TOOL_START, "Start / ga door", "Img/Icons/play-ico_g.png"},
    {ID_TOOL_STEP, "Stap voor stap", "Img/Icons/suivant-ico_g.png"},
    {ID_TOOL_PAUSE, "Onderbreken", "Img/Icons/pause-ico_g.png"},
    {ID_TOOL_STOP, "Stop", "Img/Icons/stop-ico_g.png"},
    {0, nullptr, nullptr},
    {ID_TOOL_MODE_VIRTUAL, "Virtuele mode", "Img/Icons/ghost-ico_g.png"},
    {ID_TOOL_MODE_MANUAL, "Manuele mode", "Img/Icons/pilotage-ico_g.png"},
    {ID_TOOL_MODE_STANDALONE, "Standalone mode", "Img/Icons/automate-ico_g.png"},
    {0, nullptr, nullptr},
    {ID_TOOL_CONFIGURATION, "Configuratie", "Img/Icons/setting-ico.png"},
    {ID_TOOL_STOP_ACTUATORS, "Stop", "Img/Icons/stop_off-ico.png"},
    {ID_TOOL_UPLOAD, "Upload via USB bezig", "Img/Icons/usb-ico.png"},
};

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
    for (const ToolEntry& tool : kTools) {
        if (!tool.label) {
            m_toolbar->AddSeparator();
            continue;
        }
        const wxString label = wxGetTranslation(tool.label);
        const wxString tip = tool.id == ID_TOOL_STOP_ACTUATORS ? _("Stop servo / motor") : label;
        m_toolbar->AddTool(tool.id, label, Picture(tool.picture), tip);
    }
    m_toolbar->AddTool(ID_TOOL_EMPTY, wxEmptyString, Picture(wxEmptyString), wxEmptyString);
    for (const ToolEntry& tool : kTools)
        if (tool.label && tool.id != ID_TOOL_LINK && tool.id != ID_TOOL_STOP_ACTUATORS &&
            tool.id != ID_TOOL_CONFIGURATION)
            m_toolbar->EnableTool(tool.id, false);
    m_toolbar->EnableTool(ID_TOOL_EMPTY, false);
    m_toolbar->Realize();

    m_aui.AddPane(m_toolbar, wxAuiPaneInfo()
                                 .Name("_toolbar_mainmenu")
                                 .Caption("Main Menu")
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
