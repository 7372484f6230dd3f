// Every menu item and tool: id, label, key, kind, place, and whether it is enabled right after
// start-up, after a project is opened and after a click on it; the menu bar's order; the panes.
#include "GuiTest.h"

#include "app/CommandIds.h"

#include <memory>
#include <wx/accel.h>
#include <wx/aui/auibar.h>
#include <wx/menu.h>

namespace {
struct MenuRow
{
    int id;
    const char* label;
    const char* key; // "" for none
    wxItemKind kind;
    bool atStart, afterOpen;
};

const MenuRow kMenuRows[] = {
    {2, "Nieuw", "Ctrl+N", wxITEM_NORMAL, false, true},
    {4, "Open", "Ctrl+O", wxITEM_NORMAL, true, true},
    {8, "Opslaan project", "Ctrl+S", wxITEM_NORMAL, false, false},
    {4100, "Opslaan project als...", "", wxITEM_NORMAL, false, true},
    {4101, "Afdrukvoorbeeld", "", wxITEM_NORMAL, false, true},
    {16, "Afdrukken", "Ctrl+P", wxITEM_NORMAL, false, true},
    {4105, "Recente projecten", "", wxITEM_NORMAL, false, true},
    {4106, "Lege projectenlijst", "", wxITEM_NORMAL, false, true},
    {5006, "Exit", "Ctrl+Q", wxITEM_NORMAL, true, true},
    {4353, "Ongedaan maken", "Ctrl+Z", wxITEM_NORMAL, false, false},
    {4354, "Opnieuw", "Ctrl+Y", wxITEM_NORMAL, false, false},
    {4355, "Selecteren", "", wxITEM_NORMAL, false, false},
    {4356, "Verwijderen DEL", "", wxITEM_NORMAL, false, false},
    {4357, "Verwijder alles", "", wxITEM_NORMAL, false, false},
    {4609, "Zoom", "", wxITEM_NORMAL, true, true},
    {4610, "Zoom in", "Ctrl+Up", wxITEM_NORMAL, true, true},
    {4611, "Zoom uit", "Ctrl+Down", wxITEM_NORMAL, true, true},
    {4612, "Beginwaarden zoom", "", wxITEM_NORMAL, false, false},
    {4613, "Beweeg", "", wxITEM_NORMAL, true, true},
    {4614, "Gereedschappen", "", wxITEM_CHECK, true, true},
    {4621, "Scherm", "", wxITEM_CHECK, true, true},
    {4865, "Configuratie", "", wxITEM_NORMAL, false, false},
    {4866, "Stop servo / motor", "F8", wxITEM_NORMAL, false, false},
    {4867, "Mode", "", wxITEM_NORMAL, true, true},
    {4868, "Virtuele mode", "", wxITEM_RADIO, false, true},
    {4869, "Manuele mode", "", wxITEM_RADIO, false, false},
    {4870, "Standalone mode", "", wxITEM_RADIO, false, false},
    {4871, "Start / ga door", "F5", wxITEM_NORMAL, false, true},
    {4873, "Onderbreken", "Alt+Ctrl+Esc", wxITEM_NORMAL, false, false},
    {4874, "Stop", "Shift+F5", wxITEM_NORMAL, false, false},
    {4875, "Stap voor stap", "F10", wxITEM_NORMAL, false, false},
    {4876, "Upload programma naar Tamek.", "F12", wxITEM_NORMAL, false, false},
    {5120, "Help", "F1", wxITEM_NORMAL, true, true},
    {5121, "www.tamek.be", "F2", wxITEM_NORMAL, true, true},
    {5122, "Over..", "", wxITEM_NORMAL, true, true},
};

struct ToolRow
{
    int id;
    const char* label;
    const char* tip;
    bool atStart, afterOpen;
};

// In toolbar order; 0 stands for a separator.
const ToolRow kToolRows[] = {
    {5002, "Nieuw", "Nieuw", false, true},
    {5000, "Open", "Open", true, true},
    {5003, "Opslaan project", "Opslaan project", false, false},
    {5010, "Afdrukken", "Afdrukken", false, true},
    {0, "", "", false, false},
    {5007, "Ongedaan maken", "Ongedaan maken", false, false},
    {5008, "Opnieuw", "Opnieuw", false, false},
    {6004, "Selecteer", "Selecteer", true, true},
    {6005, "Beweeg", "Beweeg", false, true},
    {5137, "Zoom", "Zoom", true, true},
    {6007, "Verbind", "Verbind", true, true},
    {0, "", "", false, false},
    {6000, "Start / ga door", "Start / ga door", false, true},
    {6002, "Stap voor stap", "Stap voor stap", false, false},
    {6001, "Onderbreken", "Onderbreken", false, false},
    {5124, "Stop", "Stop", false, false},
    {0, "", "", false, false},
    {6010, "Virtuele mode", "Virtuele mode", false, true},
    {6011, "Manuele mode", "Manuele mode", false, false},
    {6012, "Standalone mode", "Standalone mode", false, false},
    {0, "", "", false, false},
    {6009, "Configuratie", "Configuratie", false, false},
    {6008, "Stop", "Stop servo / motor", false, false},
    {6013, "Upload via USB bezig", "Upload via USB bezig", false, false},
    {6014, "", "", false, false},
};

// Each menu's items in order; -2 is a separator.
const std::vector<std::vector<int>> kMenuOrder = {
    {2, 4, -2, 8, 4100, -2, 4101, 16, -2, 4105, 4106, -2, 5006},
    {4353, 4354, -2, 4355, -2, 4356, 4357},
    {4609, 4613, -2, 4614, -2, 4621},
    {4865, 4866, -2, 4867, -2, 4871, 4873, 4874, 4875, -2, 4876},
    {5120, 5121, -2, 5122},
};

struct Commands : MainWindowTest
{
    // Every menu item and tool enabled exactly as the column of the tables says.
    void ExpectStates(bool MenuRow::*menuColumn, bool ToolRow::*toolColumn)
    {
        for (const MenuRow& row : kMenuRows)
            EXPECT_EQ(MenuEnabled(row.id), row.*menuColumn) << row.label;
        for (const ToolRow& row : kToolRows)
            EXPECT_TRUE(!row.id || ToolEnabled(row.id) == row.*toolColumn) << row.id;
    }
};
} // namespace

TEST_F(Commands, MenuItemsCarryTheirLabelsKeysKindsAndPlaces)
{
    wxMenuBar* bar = frame->GetMenuBar();
    const char* titles[] = {"Bestand", "Edit", "Beeldscherm", "Tamek", "Help"};
    ASSERT_EQ(bar->GetMenuCount(), 5u);
    for (size_t menu = 0; menu < 5; ++menu) {
        EXPECT_EQ(bar->GetMenuLabelText(menu), titles[menu]);
        std::vector<int> ids;
        for (wxMenuItem* item : bar->GetMenu(menu)->GetMenuItems())
            ids.push_back(item->GetId());
        EXPECT_EQ(ids, kMenuOrder[menu]) << titles[menu];
    }
    for (const MenuRow& row : kMenuRows) {
        wxMenuItem* item = bar->FindItem(row.id);
        ASSERT_NE(item, nullptr) << row.label;
        EXPECT_EQ(item->GetItemLabelText(), wxString::FromUTF8(row.label));
        EXPECT_EQ(item->GetKind(), row.kind) << row.label;
        std::unique_ptr<wxAcceleratorEntry> key(item->GetAccel());
        EXPECT_EQ(key ? key->ToRawString() : wxString(), row.key);
    }
    for (int submenu : {4105, 4609, 4867})
        EXPECT_NE(bar->FindItem(submenu)->GetSubMenu(), nullptr);
    const std::vector<int> zoom = {4610, 4611, 4612}, modes = {4868, 4869, 4870};
    for (const auto& [submenu, items] : {std::make_pair(4609, zoom), std::make_pair(4867, modes)})
        for (size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(bar->FindItem(submenu)->GetSubMenu()->FindItemByPosition(i)->GetId(), items[i]);
}

TEST_F(Commands, ToolsCarryTheirLabelsTooltipsPicturesAndPlaces)
{
    wxAuiToolBar* toolbar = frame->GetTamekToolBar();
    ASSERT_EQ(toolbar->GetToolCount(), WXSIZEOF(kToolRows));
    for (size_t i = 0; i < WXSIZEOF(kToolRows); ++i) {
        const ToolRow& row = kToolRows[i];
        wxAuiToolBarItem* tool = toolbar->FindToolByIndex(i);
        if (!row.id) {
            EXPECT_EQ(tool->GetKind(), wxITEM_SEPARATOR) << i;
            continue;
        }
        EXPECT_EQ(tool->GetId(), row.id) << i;
        EXPECT_EQ(tool->GetLabel(), wxString::FromUTF8(row.label));
        EXPECT_EQ(tool->GetShortHelp(), wxString::FromUTF8(row.tip));
        EXPECT_TRUE(tool->GetBitmapFor(toolbar).IsOk());
    }
    EXPECT_EQ(toolbar->FindTool(6006), nullptr); // named by the mask, never placed
}

TEST_F(Commands, EnabledAtStartAfterOpeningAndAfterAPlainClick)
{
    EXPECT_EQ(frame->GetCommandState(), 0x1284);
    ExpectStates(&MenuRow::atStart, &ToolRow::atStart);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(4868));
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(4614));
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(4621));

    Open("examples/blink.tamek");
    EXPECT_EQ(frame->GetCommandState(), 0x45396);
    ExpectStates(&MenuRow::afterOpen, &ToolRow::afterOpen);
    // Looking, panning and zooming change nothing: the project is not marked as changed.
    Click(wxPoint(40, 40));
    frame->SelectCanvasTool(TOOL_MOVE);
    Click(wxPoint(40, 40));
    frame->SelectCanvasTool(TOOL_ZOOM);
    Click(wxPoint(40, 40));
    Click(wxPoint(40, 40), wxMOUSE_BTN_RIGHT);
    ExpectStates(&MenuRow::afterOpen, &ToolRow::afterOpen);
    EXPECT_FALSE(frame->IsModified());
    frame->Close(); // no question: nothing changed
    EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
}

TEST_F(Commands, PanesCarryTheirNamesCaptionsAndPlaces)
{
    wxAuiManager& aui = frame->GetAuiManager();
    wxAuiPaneInfo& toolbar = aui.GetPane("_toolbar_mainmenu");
    EXPECT_EQ(toolbar.caption, "Main Menu");
    EXPECT_TRUE(toolbar.IsToolbar() && !toolbar.HasGripper() && !toolbar.IsLeftDockable() && !toolbar.IsRightDockable());
    EXPECT_EQ(toolbar.dock_direction, wxAUI_DOCK_TOP);
    wxAuiPaneInfo& palette = aui.GetPane("State");
    EXPECT_EQ(palette.dock_direction, wxAUI_DOCK_RIGHT);
    EXPECT_EQ(palette.min_size, wxSize(240, 400));
    EXPECT_TRUE(palette.IsResizable() && !palette.HasCloseButton() && !palette.IsFloatable());
    EXPECT_EQ(palette.window->GetBackgroundColour(), wxColour(240, 240, 240));
    wxAuiPaneInfo& project = aui.GetPane("project");
    EXPECT_EQ(project.caption, "Projet");
    EXPECT_EQ(project.dock_direction, wxAUI_DOCK_CENTER);
    EXPECT_EQ(project.window, frame->GetCanvas());
    wxAuiPaneInfo& console = aui.GetPane("Console");
    EXPECT_EQ(console.caption, "Scherm");
    EXPECT_EQ(console.dock_direction, wxAUI_DOCK_BOTTOM);
    EXPECT_EQ(console.min_size, wxSize(600, 100));
    EXPECT_EQ(console.max_size, wxSize(600, 100));
    EXPECT_TRUE(!console.IsResizable() && !console.IsFloatable());
}
