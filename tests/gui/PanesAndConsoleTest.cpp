// Showing and hiding panes, palette pages, and the console's repeat rule.
#include "GuiTestSupport.h"

#include "app/CFrame.h"
#include "app/CommandIds.h"
#include "console/CConsoleViewer.h"
#include "model/UserInterface.h"

#include <wx/menu.h>

namespace {
// Sends a check command as the menu does when the user clicks the item.
void SendCheckCommand(CFrame* frame, int id, bool checked)
{
    frame->GetMenuBar()->Check(id, checked);
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetInt(checked ? 1 : 0);
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
}

// What the pane's own close button does: the close event to the window, then the manager closes.
void ClosePaneWithItsButton(CFrame* frame, const wxString& name)
{
    wxAuiManager& aui = frame->GetAuiManager();
    wxAuiPaneInfo& pane = aui.GetPane(name);
    wxAuiManagerEvent event(wxEVT_AUI_PANE_CLOSE);
    event.SetManager(&aui);
    event.SetPane(&pane);
    frame->GetEventHandler()->ProcessEvent(event);
    if (!event.GetVeto()) {
        aui.ClosePane(pane);
        aui.Update();
    }
}

int CountOccurrences(const wxString& text, const wxString& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != wxString::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
} // namespace

TEST_F(MainWindowTest, SchermShowsAndHidesTheConsolePane)
{
    EXPECT_TRUE(frame->IsPaneShown("Console"));
    SendCheckCommand(frame, ID_MENU_SHOW_CONSOLE, false);
    EXPECT_FALSE(frame->IsPaneShown("Console"));
    SendCheckCommand(frame, ID_MENU_SHOW_CONSOLE, true);
    EXPECT_TRUE(frame->IsPaneShown("Console"));
    EXPECT_TRUE(WaitFor([this] { return TheConsole()->IsShownOnScreen(); }));
}

TEST_F(MainWindowTest, ClosingTheConsolePaneUnchecksScherm)
{
    ClosePaneWithItsButton(frame, "Console");
    EXPECT_FALSE(frame->IsPaneShown("Console"));
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_MENU_SHOW_CONSOLE));
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_SHOW_PALETTE));
}

TEST_F(MainWindowTest, GereedschappenShowsAndHidesThePalettePane)
{
    SendCheckCommand(frame, ID_MENU_SHOW_PALETTE, false);
    EXPECT_FALSE(frame->IsPaneShown("State"));
    SendCheckCommand(frame, ID_MENU_SHOW_PALETTE, true);
    EXPECT_TRUE(frame->IsPaneShown("State"));
}

TEST_F(MainWindowTest, ThePalettePaneFollowsItsVisiblePages)
{
    wxMenuBar* menu = frame->GetMenuBar();
    // No menu item carries these ids: they arrive as plain command events.
    for (int id : {ID_PALETTE_PAGE_0, ID_PALETTE_PAGE_1, ID_PALETTE_PAGE_2}) {
        wxCommandEvent hide(wxEVT_MENU, id);
        hide.SetInt(0);
        frame->GetEventHandler()->ProcessEvent(hide);
        EXPECT_TRUE(frame->IsPaneShown("State"));
    }
    wxCommandEvent hideLast(wxEVT_MENU, ID_PALETTE_PAGE_4);
    hideLast.SetInt(0);
    frame->GetEventHandler()->ProcessEvent(hideLast);
    EXPECT_FALSE(frame->IsPaneShown("State"));
    EXPECT_FALSE(menu->IsEnabled(ID_MENU_SHOW_PALETTE));
    EXPECT_FALSE(menu->IsChecked(ID_MENU_SHOW_PALETTE));

    wxCommandEvent showOne(wxEVT_MENU, ID_PALETTE_PAGE_1);
    showOne.SetInt(1);
    frame->GetEventHandler()->ProcessEvent(showOne);
    EXPECT_TRUE(frame->IsPaneShown("State"));
    EXPECT_TRUE(menu->IsEnabled(ID_MENU_SHOW_PALETTE));
    EXPECT_TRUE(menu->IsChecked(ID_MENU_SHOW_PALETTE));
}

TEST_F(MainWindowTest, TheConsoleStartsWithAPromptAndReportsWithTheRepeatRule)
{
    CConsoleViewer* console = TheConsole();
    ASSERT_NE(console, nullptr);
    EXPECT_EQ(console->GetText(), "> \n");

    Ui().Report(0, "2 condities kunnen niet direct gelinked worden.");
    Ui().Report(0, "2 condities kunnen niet direct gelinked worden.");
    EXPECT_EQ(console->GetText(), "> \n> !!! Warning !!!: 2 condities kunnen niet direct gelinked worden.\n");

    Ui().Report(1, "Actie toevoegen niet toegestaan.");
    Ui().Report(0, "2 condities kunnen niet direct gelinked worden.");
    EXPECT_EQ(CountOccurrences(console->GetText(), "gelinked"), 2);
    EXPECT_EQ(CountOccurrences(console->GetText(), "> !!! Erreur !!!: Actie toevoegen niet toegestaan.\n"), 1);

    // A click on the canvas clears the last message: the same warning shows again.
    Ui().SetLastMessage(wxString());
    Ui().Report(0, "2 condities kunnen niet direct gelinked worden.");
    EXPECT_EQ(CountOccurrences(console->GetText(), "gelinked"), 3);
    EXPECT_EQ(console->GetLastMessage(), "2 condities kunnen niet direct gelinked worden.");
}

TEST_F(MainWindowTest, AReportOfAnotherLevelIsNotShownButRemembered)
{
    CConsoleViewer* console = TheConsole();
    const wxString before = console->GetText();
    Ui().Report(2, "Deze actuator is reeds ingesteld op deze stap.");
    EXPECT_EQ(console->GetText(), before);
    Ui().Report(0, "Deze actuator is reeds ingesteld op deze stap.");
    EXPECT_EQ(console->GetText(), before);
    // A canvas trace text takes the place of the last message.
    Ui().SetLastMessage("Check for link");
    EXPECT_EQ(console->GetLastMessage(), "Check for link");
    Ui().Report(0, "Deze actuator is reeds ingesteld op deze stap.");
    EXPECT_EQ(console->GetText(), before + "> !!! Warning !!!: Deze actuator is reeds ingesteld op deze stap.\n");
}
