// The main window itself: geometry, the command-state mask, zoom commands, canvas tools and their
// pictures, the keys handled at window level, the panes and the console.
#include "GuiTest.h"

#include "app/CRobotApp.h"
#include "app/CommandIds.h"
#include "app/MenuRadio.h"
#include "console/CConsoleViewer.h"
#include "model/CProgram.h"
#include "model/UserInterface.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>

namespace {
int Count(const wxString& text, const wxString& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != wxString::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
} // namespace

TEST_F(MainWindowTest, OpensOnceWithItsTitlePositionAndSizes)
{
    EXPECT_EQ(std::make_tuple(frame->GetTitle(), frame->GetMinSize(), frame->GetSize(), frame->GetPosition()),
              std::make_tuple(wxString("Tamek"), wxSize(650, 300), wxSize(1280, 800), wxPoint(50, 50)));
    EXPECT_EQ(frame->GetStatusBar()->GetFieldsCount(), 3);
    EXPECT_EQ(wxTheApp->GetTopWindow(), frame);
    EXPECT_EQ(MainFrame("other", wxPoint(0, 0), wxSize(10, 10)), frame);
    EXPECT_EQ(frame->GetTitle(), "Tamek");
}

TEST_F(MainWindowTest, TheMaskOperationsCarryTheirSideEffects)
{
    frame->EnableCommands(CMD_SAVE | CMD_PAUSE);
    EXPECT_TRUE(frame->IsModified() && MenuEnabled(ID_MENU_SAVE) && MenuEnabled(ID_MENU_SAVE_AS));
    EXPECT_TRUE(ToolEnabled(ID_TOOL_SAVE) && ToolEnabled(ID_TOOL_PAUSE));
    EXPECT_EQ(frame->GetCommandState(), kStateAtStart | CMD_SAVE | CMD_PAUSE);
    frame->DisableCommands(CMD_SAVE);
    EXPECT_FALSE(frame->IsModified() || ToolEnabled(ID_TOOL_SAVE) || MenuEnabled(ID_MENU_SAVE_AS));

    // The start group holds the start tool and the virtual mode tool (the manual one only with a robot).
    frame->EnableCommands(CMD_START);
    EXPECT_TRUE(MenuEnabled(ID_MENU_START) && ToolEnabled(ID_TOOL_START) && ToolEnabled(ID_TOOL_MODE_VIRTUAL));
    EXPECT_FALSE(ToolEnabled(ID_TOOL_MODE_MANUAL));

    // Disabling a robot mode falls back to the virtual mode.
    frame->EnableCommands(CMD_MODE_MANUAL);
    CheckRadioItem(frame->GetMenuBar(), ID_MENU_MODE_MANUAL);
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_MENU_MODE_VIRTUAL));
    frame->DisableCommands(CMD_MODE_MANUAL);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_MODE_VIRTUAL));

    frame->SetCommandState(CMD_NEW);
    EXPECT_EQ(frame->GetCommandState(), CMD_NEW);
    EXPECT_TRUE(MenuEnabled(ID_MENU_NEW));
    EXPECT_FALSE(MenuEnabled(ID_MENU_OPEN) || ToolEnabled(ID_TOOL_LINK) || ToolEnabled(ID_TOOL_START));
}

TEST_F(MainWindowTest, TheChosenCanvasToolShowsItsPictureAndEscapeGoesBackToSelecting)
{
    const struct
    {
        int command, tool, toolId;
        const char* on;
    } tools[] = {{ID_TOOL_LINK, TOOL_LINK, ID_TOOL_LINK, "Img/icons/link_on-ico.png"},
                 {ID_MENU_MOVE, TOOL_MOVE, ID_TOOL_MOVE, "Img/icons/move_on-ico.png"},
                 {ID_TOOL_ZOOM, TOOL_ZOOM, ID_TOOL_ZOOM, "Img/icons/zoom_on-ico.png"}};
    for (const auto& tool : tools) {
        Command(tool.command);
        EXPECT_EQ(frame->GetCanvasTool(), tool.tool);
        EXPECT_TRUE(SamePicture(frame->GetTamekToolBar()->GetToolBitmap(tool.toolId), tool.on));
        EXPECT_TRUE(
            SamePicture(frame->GetTamekToolBar()->GetToolBitmap(ID_TOOL_SELECT), "Img/icons/arrow_off-ico.png"));
    }
    Key(WXK_ESCAPE);
    EXPECT_EQ(frame->GetCanvasTool(), TOOL_SELECT);
    EXPECT_EQ(Canvas()->GetTool(), CProjectViewer::SelectTool);
}

TEST_F(MainWindowTest, TheShiftFlagFollowsShiftAlone)
{
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = WXK_SHIFT;
    down.SetControlDown(true);
    down.SetShiftDown(true);
    TrackShiftKey(down);
    EXPECT_FALSE(frame->IsShiftHeld()); // Shift with Ctrl leaves the flag
    down.SetControlDown(false);
    TrackShiftKey(down);
    EXPECT_TRUE(frame->IsShiftHeld());
    wxKeyEvent up(wxEVT_KEY_UP);
    up.m_keyCode = 'A';
    up.SetShiftDown(true);
    TrackShiftKey(up);
    EXPECT_TRUE(frame->IsShiftHeld()); // Shift still held
    up.SetShiftDown(false);
    TrackShiftKey(up);
    EXPECT_FALSE(frame->IsShiftHeld());
}

TEST_F(MainWindowTest, PaneCommandsAndPalettePagesShowAndHideThePanes)
{
    for (const auto& [id, pane] : {std::make_pair(4621, "Console"), std::make_pair(4614, "State")}) {
        Command(id, false);
        EXPECT_FALSE(frame->IsPaneShown(pane));
        Command(id, true);
        EXPECT_TRUE(frame->IsPaneShown(pane));
    }
    EXPECT_TRUE(WaitFor([] { return TheConsole()->IsShownOnScreen(); }));

    // The console's own close button unchecks "Scherm".
    wxAuiManagerEvent close(wxEVT_AUI_PANE_CLOSE);
    close.SetManager(&frame->GetAuiManager());
    close.SetPane(&frame->GetAuiManager().GetPane("Console"));
    frame->GetEventHandler()->ProcessEvent(close);
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_MENU_SHOW_CONSOLE));
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_SHOW_PALETTE));

    // No menu item carries the page ids; the palette pane follows whether any page is shown.
    for (int page : {ID_PALETTE_PAGE_0, ID_PALETTE_PAGE_1, ID_PALETTE_PAGE_2, ID_PALETTE_PAGE_4}) {
        EXPECT_TRUE(frame->IsPaneShown("State"));
        Command(page, false);
    }
    EXPECT_FALSE(frame->IsPaneShown("State"));
    EXPECT_FALSE(MenuEnabled(ID_MENU_SHOW_PALETTE) || frame->GetMenuBar()->IsChecked(ID_MENU_SHOW_PALETTE));
    Command(ID_PALETTE_PAGE_1, true);
    EXPECT_TRUE(frame->IsPaneShown("State"));
    EXPECT_TRUE(MenuEnabled(ID_MENU_SHOW_PALETTE) && frame->GetMenuBar()->IsChecked(ID_MENU_SHOW_PALETTE));
}

TEST_F(MainWindowTest, TheConsoleShowsAReportOnceUntilAnotherTextComesBetween)
{
    CConsoleViewer* console = TheConsole();
    EXPECT_EQ(console->GetText(), "> \n");
    const wxString warning = "2 condities kunnen niet direct gelinked worden.";
    Ui().Report(0, warning);
    Ui().Report(0, warning);
    EXPECT_EQ(console->GetText(), "> \n> !!! Warning !!!: " + warning + "\n");
    Ui().Report(1, "Actie toevoegen niet toegestaan.");
    Ui().Report(0, warning);
    Ui().Report(0, warning.Upper()); // another text, though it differs in case only
    EXPECT_EQ(Count(console->GetText(), "gelinked"), 2);
    EXPECT_EQ(Count(console->GetText(), "GELINKED"), 1);
    EXPECT_EQ(Count(console->GetText(), "> !!! Erreur !!!: Actie toevoegen niet toegestaan.\n"), 1);

    // A report of another level is not shown but remembered; a canvas trace text takes its place.
    const wxString before = console->GetText();
    Ui().Report(2, "Deze actuator is reeds ingesteld op deze stap.");
    Ui().Report(0, "Deze actuator is reeds ingesteld op deze stap.");
    EXPECT_EQ(console->GetText(), before);
    Ui().SetLastMessage("Check for link");
    EXPECT_EQ(console->GetLastMessage(), "Check for link");
    Ui().Report(0, "Deze actuator is reeds ingesteld op deze stap.");
    EXPECT_EQ(console->GetText(), before + "> !!! Warning !!!: Deze actuator is reeds ingesteld op deze stap.\n");
    // A click on the canvas clears the last message: the same warning shows again.
    Mouse(wxEVT_LEFT_DOWN, 10, 10);
    Ui().Report(0, "Deze actuator is reeds ingesteld op deze stap.");
    EXPECT_EQ(Count(console->GetText(), "Deze actuator"), 2);
}
