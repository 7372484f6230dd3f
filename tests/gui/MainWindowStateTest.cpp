// The main window right after start-up: geometry, title and the command states.
#include "GuiTestSupport.h"

#include "app/CFrame.h"
#include "app/CRobotApp.h"
#include "app/CommandIds.h"
#include "app/MenuRadio.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>

namespace {
bool MenuEnabled(CFrame* frame, int id)
{
    return frame->GetMenuBar()->IsEnabled(id);
}
bool ToolEnabled(CFrame* frame, int id)
{
    return frame->GetTamekToolBar()->GetToolEnabled(id);
}
} // namespace

TEST_F(MainWindowTest, OpensWithItsTitlePositionAndSizes)
{
    EXPECT_EQ(frame->GetTitle(), "Tamek");
    EXPECT_EQ(frame->GetMinSize(), wxSize(650, 300));
    EXPECT_EQ(frame->GetSize(), wxSize(1280, 800));
    EXPECT_EQ(frame->GetPosition(), wxPoint(50, 50));
    EXPECT_EQ(frame->GetStatusBar()->GetFieldsCount(), 3);
    EXPECT_EQ(wxTheApp->GetTopWindow(), frame);
}

TEST_F(MainWindowTest, TheAccessorCreatesTheWindowOnce)
{
    EXPECT_EQ(MainFrame("other", wxPoint(0, 0), wxSize(10, 10)), frame);
    EXPECT_EQ(MainFrameIfAny(), frame);
    EXPECT_EQ(frame->GetTitle(), "Tamek");
}

TEST_F(MainWindowTest, OnlyOpenAndThreeCanvasToolsAreEnabledAtStart)
{
    EXPECT_EQ(frame->GetCommandState(), kStateAtStart);
    EXPECT_FALSE(frame->IsModified());

    EXPECT_TRUE(MenuEnabled(frame, ID_MENU_OPEN));
    EXPECT_TRUE(ToolEnabled(frame, ID_TOOL_OPEN));
    for (int tool : {ID_TOOL_SELECT, ID_TOOL_ZOOM, ID_TOOL_LINK})
        EXPECT_TRUE(ToolEnabled(frame, tool)) << tool;

    for (int menu : {ID_MENU_NEW, ID_MENU_SAVE, ID_MENU_SAVE_AS, ID_MENU_PRINT_PREVIEW, ID_MENU_PRINT, ID_MENU_UNDO,
                     ID_MENU_REDO, ID_MENU_START, ID_MENU_PAUSE, ID_MENU_STOP, ID_MENU_STEP, ID_MENU_MODE_MANUAL,
                     ID_MENU_MODE_STANDALONE, ID_MENU_CONFIGURATION, ID_MENU_STOP_ACTUATORS, ID_MENU_UPLOAD})
        EXPECT_FALSE(MenuEnabled(frame, menu)) << menu;
    for (int tool :
         {ID_TOOL_NEW, ID_TOOL_SAVE, ID_TOOL_PRINT, ID_TOOL_UNDO, ID_TOOL_REDO, ID_TOOL_MOVE, ID_TOOL_START,
          ID_TOOL_STEP, ID_TOOL_PAUSE, ID_TOOL_STOP, ID_TOOL_MODE_VIRTUAL, ID_TOOL_MODE_MANUAL, ID_TOOL_MODE_STANDALONE,
          ID_TOOL_CONFIGURATION, ID_TOOL_STOP_ACTUATORS, ID_TOOL_UPLOAD, ID_TOOL_EMPTY})
        EXPECT_FALSE(ToolEnabled(frame, tool)) << tool;

    // The virtual mode is checked, and disabled with its group until a program is open.
    EXPECT_FALSE(MenuEnabled(frame, ID_MENU_MODE_VIRTUAL));
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_MODE_VIRTUAL));

    // Items outside the mask keep their own starting states.
    for (int menu : {ID_MENU_SELECT, ID_MENU_DELETE, ID_MENU_DELETE_ALL, ID_MENU_ZOOM_RESET})
        EXPECT_FALSE(MenuEnabled(frame, menu)) << menu;
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_SHOW_PALETTE));
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_SHOW_CONSOLE));
    EXPECT_FALSE(MenuEnabled(frame, ID_MENU_RECENT));
    EXPECT_FALSE(MenuEnabled(frame, ID_MENU_EMPTY_RECENT));
}

TEST_F(MainWindowTest, TheMaskOperationsCarryTheirSideEffects)
{
    frame->EnableCommands(CMD_SAVE | CMD_PAUSE);
    EXPECT_TRUE(frame->IsModified());
    EXPECT_TRUE(MenuEnabled(frame, ID_MENU_SAVE));
    EXPECT_TRUE(MenuEnabled(frame, ID_MENU_SAVE_AS));
    EXPECT_TRUE(ToolEnabled(frame, ID_TOOL_SAVE));
    EXPECT_TRUE(ToolEnabled(frame, ID_TOOL_PAUSE));
    EXPECT_EQ(frame->GetCommandState(), kStateAtStart | CMD_SAVE | CMD_PAUSE);

    frame->DisableCommands(CMD_SAVE);
    EXPECT_FALSE(frame->IsModified());
    EXPECT_FALSE(ToolEnabled(frame, ID_TOOL_SAVE));

    // Enabling the start group enables the start tool and the virtual mode tool.
    frame->EnableCommands(CMD_START);
    EXPECT_TRUE(MenuEnabled(frame, ID_MENU_START));
    EXPECT_TRUE(ToolEnabled(frame, ID_TOOL_START));
    EXPECT_TRUE(ToolEnabled(frame, ID_TOOL_MODE_VIRTUAL));
    EXPECT_FALSE(ToolEnabled(frame, ID_TOOL_MODE_MANUAL)); // no robot connected

    // Disabling a robot mode falls back to the virtual mode.
    frame->EnableCommands(CMD_MODE_MANUAL);
    CheckRadioItem(frame->GetMenuBar(), ID_MENU_MODE_MANUAL);
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_MENU_MODE_VIRTUAL));
    frame->DisableCommands(CMD_MODE_MANUAL);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_MODE_VIRTUAL));

    frame->SetCommandState(CMD_NEW);
    EXPECT_EQ(frame->GetCommandState(), CMD_NEW);
    EXPECT_TRUE(MenuEnabled(frame, ID_MENU_NEW));
    EXPECT_FALSE(MenuEnabled(frame, ID_MENU_OPEN));
    EXPECT_FALSE(ToolEnabled(frame, ID_TOOL_LINK));
    EXPECT_FALSE(ToolEnabled(frame, ID_TOOL_START));
}

TEST_F(MainWindowTest, ZoomCommandsFollowTheZoomFactor)
{
    wxMenuBar* menu = frame->GetMenuBar();
    for (int i = 0; i < 7; ++i)
        frame->ZoomIn();
    EXPECT_EQ(TheViewZoom().x, 15);
    EXPECT_EQ(TheViewZoom().y, 15);
    EXPECT_FALSE(menu->IsEnabled(ID_MENU_ZOOM_IN));
    EXPECT_TRUE(menu->IsEnabled(ID_MENU_ZOOM_OUT));
    EXPECT_TRUE(menu->IsEnabled(ID_MENU_ZOOM_RESET));

    frame->ZoomReset();
    EXPECT_EQ(TheViewZoom().x, 10);
    EXPECT_FALSE(menu->IsEnabled(ID_MENU_ZOOM_RESET));
    for (int i = 0; i < 7; ++i)
        frame->ZoomOut();
    EXPECT_EQ(TheViewZoom().x, 5);
    EXPECT_FALSE(menu->IsEnabled(ID_MENU_ZOOM_OUT));
    EXPECT_TRUE(menu->IsEnabled(ID_MENU_ZOOM_IN));
    frame->ZoomReset();
}

TEST_F(MainWindowTest, ChoosingACanvasToolTellsTheCanvas)
{
    frame->SelectCanvasTool(TOOL_LINK);
    EXPECT_EQ(frame->GetCanvasTool(), TOOL_LINK);
    frame->SelectCanvasTool(TOOL_MOVE);
    EXPECT_EQ(frame->GetCanvasTool(), TOOL_MOVE);
    // Escape at window level goes back to the select tool.
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    frame->GetEventHandler()->ProcessEvent(escape);
    EXPECT_EQ(frame->GetCanvasTool(), TOOL_SELECT);
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
