// Every menu item and tool: ids, label, key, kind, place, and whether it is enabled right after
// start-up, after a project is opened, after clicks on it and with the robot; the panes.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "support/VirtualRobotProcess.h"

#include <memory>
#include <wx/accel.h>
#include <wx/aui/auibar.h>
#include <wx/menu.h>

namespace {
// A row of tests/data/gui/commands.list: menu id, tool id, label, key, kind, when the menu item and
// when the tool are enabled, the tool's label and tooltip.
struct Row
{
    explicit Row(const wxString& line) : field(wxSplit(line, '|', 0)) {}
    int Id(size_t column) const { return wxAtoi(field[column]); }
    wxString ToolLabel() const { return field[7].empty() ? field[2] : field[7]; }
    wxString Tooltip() const { return field[8].empty() ? ToolLabel() : field[8]; }
    wxArrayString field;
};

std::vector<Row> Rows()
{
    std::vector<Row> rows;
    for (const wxString& line : wxSplit(wxString::FromUTF8(ReadTextFile(DataPath("gui/commands.list"))), '\n', 0))
        if (!line.empty() && line[0] != '#')
            rows.emplace_back(line);
    return rows;
}

// Each menu's items, each submenu's, then the tools, in order; -2 is a separator (0 on the toolbar).
const std::vector<std::vector<int>> kOrder = {
    {2, 4, -2, 8, 4100, -2, 4101, 16, 4102, -2, 4105, 4106, -2, 5006},
    {4353, 4354, -2, 4355, -2, 4356, 4357},
    {4609, 4613, -2, 4614, -2, 4621, 4624},
    {4865, 4866, -2, 4867, -2, 4871, 4873, 4874, 4875, -2, 4876},
    {5120, 5121, -2, 5122},
    {4610, 4611, 4612},
    {4868, 4869, 4870},
    {5002, 5000, 5003, 5010, 0,    5007, 5008, 6004, 6005, 5137, 6007, 0,   6000,
     6002, 6001, 5124, 0,    6010, 6011, 6012, 0,    6009, 6008, 6013, 6014},
};

struct Commands : MainWindowTest
{
    // Every menu item and tool enabled exactly when its row says so at this moment ('S', 'O', 'R', 'P').
    void ExpectStates(char moment)
    {
        for (const Row& row : Rows()) {
            EXPECT_TRUE(!row.Id(0) || MenuEnabled(row.Id(0)) == row.field[5].Contains(moment)) << row.field[2];
            EXPECT_TRUE(!row.Id(1) || ToolEnabled(row.Id(1)) == row.field[6].Contains(moment)) << row.Id(1);
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

    const std::vector<Row> rows = Rows();
    EXPECT_EQ(rows.size(), 41u);
    for (const Row& row : rows) {
        if (wxMenuItem* item = bar->FindItem(row.Id(0))) {
            const char* kinds[] = {"normal", "check", "radio"};
            std::unique_ptr<wxAcceleratorEntry> key(item->GetAccel());
            EXPECT_EQ(wxString::Format("%s|%s|%s", item->GetItemLabelText(), key ? key->ToRawString() : "",
                                       kinds[item->GetKind()]),
                      row.field[2] + "|" + row.field[3] + "|" + row.field[4]);
        } else {
            EXPECT_EQ(row.Id(0), 0) << row.field[2];
        }
        if (wxAuiToolBarItem* tool = row.Id(1) ? toolbar->FindTool(row.Id(1)) : nullptr) {
            EXPECT_EQ(tool->GetLabel() + "|" + tool->GetShortHelp(), row.ToolLabel() + "|" + row.Tooltip());
            EXPECT_TRUE(tool->GetBitmapFor(toolbar).IsOk());
        }
    }
}

TEST_F(Commands, EnabledAtStartAfterOpeningAndAfterClicksThatChangeNothing)
{
    EXPECT_EQ(frame->GetCommandState(), 0x1284);
    ExpectStates('S');
    for (int checked : {4868, 4614, 4621})
        EXPECT_TRUE(frame->GetMenuBar()->IsChecked(checked));

    Open("examples/blink.tamek");
    EXPECT_EQ(frame->GetCommandState(), 0x45396);
    ExpectStates('O');
    // Looking, panning and zooming change nothing: the project is not marked as changed.
    Click(wxPoint(40, 40));
    frame->SelectCanvasTool(TOOL_MOVE);
    Click(wxPoint(40, 40));
    frame->SelectCanvasTool(TOOL_ZOOM);
    Click(wxPoint(40, 40));
    Click(wxPoint(40, 40), wxMOUSE_BTN_RIGHT);
    ExpectStates('O');
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
    wxAuiPaneInfo& robot = aui.GetPane("Robot");
    EXPECT_EQ(robot.caption, "Robot");
    EXPECT_EQ(robot.dock_direction, wxAUI_DOCK_LEFT);
    EXPECT_FALSE(robot.IsShown()); // until the pupil shows it
}

TEST_F(Commands, RobotCommandsFollowTheRobotWithinASecond)
{
    // The window shows the robot as connected in its upload tool; the presence poll runs every second.
    auto shownWithin = [this](bool connected) {
        return WaitFor([&] { return ToolEnabled(ID_TOOL_UPLOAD) == connected; }, 2000);
    };
    wxAuiToolBar* toolbar = frame->GetTamekToolBar();
    testing_support::VirtualRobotProcess robot(getenv("XDG_RUNTIME_DIR"));
    ASSERT_TRUE(shownWithin(true));
    ExpectStates('R');
    EXPECT_TRUE(SamePicture(toolbar->GetToolBitmap(ID_TOOL_MODE_MANUAL), "Img/Icons/pilotage-ico.png"));
    // Opening a project sets the command state as a whole; the next poll gives the robot its commands back.
    Open("examples/blink.tamek");
    ASSERT_TRUE(shownWithin(true));
    ExpectStates('P');
    frame->GetRunValues()->SetRowValue(0, "    1"); // as the input poll shows the robot's switch
    ASSERT_EQ(robot.Command("unplug"), "ok");
    ASSERT_TRUE(shownWithin(false));
    ExpectStates('O');
    EXPECT_EQ(frame->GetRunValues()->GetRowValue(0), "-");
    EXPECT_TRUE(SamePicture(toolbar->GetToolBitmap(ID_TOOL_MODE_VIRTUAL), "Img/Icons/ghost_on-ico.png"));
    ASSERT_EQ(robot.Command("plug"), "ok");
    EXPECT_TRUE(shownWithin(true));
}
