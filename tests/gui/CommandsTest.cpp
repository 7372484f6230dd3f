// Every menu item and tool: ids, label, key, kind, place, and whether it is enabled right after
// start-up, after a project is opened and after clicks on it; the panes.
#include "GuiTest.h"

#include "app/CommandIds.h"

#include <memory>
#include <wx/accel.h>
#include <wx/aui/auibar.h>
#include <wx/menu.h>

namespace {
constexpr int S = 1, O = 2; // enabled at start, after a project is opened
constexpr wxItemKind N = wxITEM_NORMAL;

struct Row
{
    int menu, tool; // 0: none
    const char* label;
    const char* key; // "" for none
    wxItemKind kind;
    int menuStates, toolStates;
    const char* toolLabel = nullptr; // the label
    const char* tip = nullptr;       // the tool's label
};

const Row kRows[] = {
    {2, 5002, "Nieuw", "Ctrl+N", N, O, O},
    {4, 5000, "Open", "Ctrl+O", N, S | O, S | O},
    {8, 5003, "Opslaan project", "Ctrl+S", N, 0, 0},
    {4100, 0, "Opslaan project als...", "", N, O, 0},
    {4101, 0, "Afdrukvoorbeeld", "", N, O, 0},
    {16, 5010, "Afdrukken", "Ctrl+P", N, O, O},
    {4105, 0, "Recente projecten", "", N, O, 0},
    {4106, 0, "Lege projectenlijst", "", N, O, 0},
    {5006, 0, "Exit", "Ctrl+Q", N, S | O, 0},
    {4353, 5007, "Ongedaan maken", "Ctrl+Z", N, 0, 0},
    {4354, 5008, "Opnieuw", "Ctrl+Y", N, 0, 0},
    {4355, 0, "Selecteren", "", N, 0, 0},
    {4356, 0, "Verwijderen DEL", "", N, 0, 0},
    {4357, 0, "Verwijder alles", "", N, 0, 0},
    {4609, 0, "Zoom", "", N, S | O, 0},
    {4610, 0, "Zoom in", "Ctrl+Up", N, S | O, 0},
    {4611, 0, "Zoom uit", "Ctrl+Down", N, S | O, 0},
    {4612, 0, "Beginwaarden zoom", "", N, 0, 0},
    {4613, 6005, "Beweeg", "", N, S | O, O},
    {4614, 0, "Gereedschappen", "", wxITEM_CHECK, S | O, 0},
    {4621, 0, "Scherm", "", wxITEM_CHECK, S | O, 0},
    {0, 6004, "Selecteer", "", N, 0, S | O},
    {0, 5137, "Zoom", "", N, 0, S | O},
    {0, 6007, "Verbind", "", N, 0, S | O},
    {4865, 6009, "Configuratie", "", N, 0, 0},
    {4866, 6008, "Stop servo / motor", "F8", N, 0, 0, "Stop", "Stop servo / motor"},
    {4867, 0, "Mode", "", N, S | O, 0},
    {4868, 6010, "Virtuele mode", "", wxITEM_RADIO, O, O},
    {4869, 6011, "Manuele mode", "", wxITEM_RADIO, 0, 0},
    {4870, 6012, "Standalone mode", "", wxITEM_RADIO, 0, 0},
    {4871, 6000, "Start / ga door", "F5", N, O, O},
    {4873, 6001, "Onderbreken", "Alt+Ctrl+Esc", N, 0, 0},
    {4874, 5124, "Stop", "Shift+F5", N, 0, 0},
    {4875, 6002, "Stap voor stap", "F10", N, 0, 0},
    {4876, 6013, "Upload programma naar Tamek.", "F12", N, 0, 0, "Upload via USB bezig"},
    {0, 6014, "", "", N, 0, 0},
    {5120, 0, "Help", "F1", N, S | O, 0},
    {5121, 0, "www.tamek.be", "F2", N, S | O, 0},
    {5122, 0, "Over..", "", N, S | O, 0},
};

// Each menu's items, each submenu's, then the tools, in order; -2 is a separator (0 on the toolbar).
const std::vector<std::vector<int>> kOrder = {
    {2, 4, -2, 8, 4100, -2, 4101, 16, -2, 4105, 4106, -2, 5006},
    {4353, 4354, -2, 4355, -2, 4356, 4357},
    {4609, 4613, -2, 4614, -2, 4621},
    {4865, 4866, -2, 4867, -2, 4871, 4873, 4874, 4875, -2, 4876},
    {5120, 5121, -2, 5122},
    {4610, 4611, 4612},
    {4868, 4869, 4870},
    {5002, 5000, 5003, 5010, 0,    5007, 5008, 6004, 6005, 5137, 6007, 0,   6000,
     6002, 6001, 5124, 0,    6010, 6011, 6012, 0,    6009, 6008, 6013, 6014},
};

struct Commands : MainWindowTest
{
    // Every menu item and tool enabled exactly when its row says so for this moment.
    void ExpectStates(int moment)
    {
        for (const Row& row : kRows) {
            EXPECT_TRUE(!row.menu || MenuEnabled(row.menu) == ((row.menuStates & moment) != 0)) << row.menu;
            EXPECT_TRUE(!row.tool || ToolEnabled(row.tool) == ((row.toolStates & moment) != 0)) << row.tool;
        }
    }
    static std::vector<int> Ids(const wxMenu* menu)
    {
        std::vector<int> ids;
        for (wxMenuItem* item : menu->GetMenuItems())
            ids.push_back(item->GetId());
        return ids;
    }
};
} // namespace

TEST_F(Commands, EveryCommandCarriesItsIdsLabelsKeyKindPictureAndPlace)
{
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 5u);
    for (size_t menu = 0; menu < 5; ++menu) {
        EXPECT_EQ(bar->GetMenuLabelText(menu),
                  std::vector<wxString>({"Bestand", "Edit", "Beeldscherm", "Tamek", "Help"})[menu]);
        EXPECT_EQ(Ids(bar->GetMenu(menu)), kOrder[menu]) << menu;
    }
    EXPECT_EQ(Ids(bar->FindItem(4609)->GetSubMenu()), kOrder[5]);
    EXPECT_EQ(Ids(bar->FindItem(4867)->GetSubMenu()), kOrder[6]);
    EXPECT_NE(bar->FindItem(4105)->GetSubMenu(), nullptr);
    wxAuiToolBar* toolbar = frame->GetTamekToolBar();
    std::vector<int> tools;
    for (size_t i = 0; i < toolbar->GetToolCount(); ++i)
        tools.push_back(
            toolbar->FindToolByIndex(i)->GetKind() == wxITEM_SEPARATOR ? 0 : toolbar->FindToolByIndex(i)->GetId());
    EXPECT_EQ(tools, kOrder[7]);
    EXPECT_EQ(toolbar->FindTool(6006), nullptr); // named by the mask, never placed

    for (const Row& row : kRows) {
        if (wxMenuItem* item = row.menu ? bar->FindItem(row.menu) : nullptr) {
            EXPECT_EQ(item->GetItemLabelText(), wxString::FromUTF8(row.label));
            EXPECT_EQ(item->GetKind(), row.kind) << row.label;
            std::unique_ptr<wxAcceleratorEntry> key(item->GetAccel());
            EXPECT_EQ(key ? key->ToRawString() : wxString(), row.key);
        }
        if (wxAuiToolBarItem* tool = row.tool ? toolbar->FindTool(row.tool) : nullptr) {
            const char* label = row.toolLabel ? row.toolLabel : row.label;
            EXPECT_EQ(tool->GetLabel(), wxString::FromUTF8(label));
            EXPECT_EQ(tool->GetShortHelp(), wxString::FromUTF8(row.tip ? row.tip : label));
            EXPECT_TRUE(tool->GetBitmapFor(toolbar).IsOk());
        }
        EXPECT_TRUE(!row.menu || bar->FindItem(row.menu)) << row.menu;
    }
}

TEST_F(Commands, EnabledAtStartAfterOpeningAndAfterClicksThatChangeNothing)
{
    EXPECT_EQ(frame->GetCommandState(), 0x1284);
    ExpectStates(S);
    for (int checked : {4868, 4614, 4621})
        EXPECT_TRUE(frame->GetMenuBar()->IsChecked(checked));

    Open("examples/blink.tamek");
    EXPECT_EQ(frame->GetCommandState(), 0x45396);
    ExpectStates(O);
    // Looking, panning and zooming change nothing: the project is not marked as changed.
    Click(wxPoint(40, 40));
    frame->SelectCanvasTool(TOOL_MOVE);
    Click(wxPoint(40, 40));
    frame->SelectCanvasTool(TOOL_ZOOM);
    Click(wxPoint(40, 40));
    Click(wxPoint(40, 40), wxMOUSE_BTN_RIGHT);
    ExpectStates(O);
    EXPECT_FALSE(frame->IsModified());
    frame->Close(); // no question: nothing changed
    EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
}

TEST_F(Commands, PanesCarryTheirNamesCaptionsAndPlaces)
{
    wxAuiManager& aui = frame->GetAuiManager();
    wxAuiPaneInfo& toolbar = aui.GetPane("_toolbar_mainmenu");
    EXPECT_EQ(toolbar.caption, "Main Menu");
    EXPECT_TRUE(toolbar.IsToolbar() && !toolbar.HasGripper() && !toolbar.IsLeftDockable() &&
                !toolbar.IsRightDockable());
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
