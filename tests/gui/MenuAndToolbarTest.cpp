// Menu labels, ids, keys and kinds; toolbar ids, labels and tooltips; the panes.
#include "GuiTestSupport.h"

#include "app/CFrame.h"
#include "app/CommandIds.h"

#include <memory>
#include <wx/accel.h>
#include <wx/aui/auibar.h>
#include <wx/menu.h>

namespace {
struct ExpectedMenuItem
{
    int id;
    const char* label;
    int flags; // accelerator modifiers, -1 for no key
    int key;
    wxItemKind kind;
};

const ExpectedMenuItem kMenuItems[] = {
    {ID_MENU_NEW, "Nieuw", wxACCEL_CTRL, 'N', wxITEM_NORMAL},
    {ID_MENU_OPEN, "Open", wxACCEL_CTRL, 'O', wxITEM_NORMAL},
    {ID_MENU_SAVE, "Opslaan project", wxACCEL_CTRL, 'S', wxITEM_NORMAL},
    {ID_MENU_SAVE_AS, "Opslaan project als...", -1, 0, wxITEM_NORMAL},
    {ID_MENU_PRINT_PREVIEW, "Afdrukvoorbeeld", -1, 0, wxITEM_NORMAL},
    {ID_MENU_PRINT, "Afdrukken", wxACCEL_CTRL, 'P', wxITEM_NORMAL},
    {ID_MENU_RECENT, "Recente projecten", -1, 0, wxITEM_NORMAL},
    {ID_MENU_EMPTY_RECENT, "Lege projectenlijst", -1, 0, wxITEM_NORMAL},
    {ID_MENU_EXIT, "Exit", wxACCEL_CTRL, 'Q', wxITEM_NORMAL},
    {ID_MENU_UNDO, "Ongedaan maken", wxACCEL_CTRL, 'Z', wxITEM_NORMAL},
    {ID_MENU_REDO, "Opnieuw", wxACCEL_CTRL, 'Y', wxITEM_NORMAL},
    {ID_MENU_SELECT, "Selecteren", -1, 0, wxITEM_NORMAL},
    {ID_MENU_DELETE, "Verwijderen DEL", -1, 0, wxITEM_NORMAL},
    {ID_MENU_DELETE_ALL, "Verwijder alles", -1, 0, wxITEM_NORMAL},
    {ID_MENU_ZOOM, "Zoom", -1, 0, wxITEM_NORMAL},
    {ID_MENU_ZOOM_IN, "Zoom in", wxACCEL_CTRL, WXK_UP, wxITEM_NORMAL},
    {ID_MENU_ZOOM_OUT, "Zoom uit", wxACCEL_CTRL, WXK_DOWN, wxITEM_NORMAL},
    {ID_MENU_ZOOM_RESET, "Beginwaarden zoom", -1, 0, wxITEM_NORMAL},
    {ID_MENU_MOVE, "Beweeg", -1, 0, wxITEM_NORMAL},
    {ID_MENU_SHOW_PALETTE, "Gereedschappen", -1, 0, wxITEM_CHECK},
    {ID_MENU_SHOW_CONSOLE, "Scherm", -1, 0, wxITEM_CHECK},
    {ID_MENU_CONFIGURATION, "Configuratie", -1, 0, wxITEM_NORMAL},
    {ID_MENU_STOP_ACTUATORS, "Stop servo / motor", wxACCEL_NORMAL, WXK_F8, wxITEM_NORMAL},
    {ID_MENU_MODE, "Mode", -1, 0, wxITEM_NORMAL},
    {ID_MENU_MODE_VIRTUAL, "Virtuele mode", -1, 0, wxITEM_RADIO},
    {ID_MENU_MODE_MANUAL, "Manuele mode", -1, 0, wxITEM_RADIO},
    {ID_MENU_MODE_STANDALONE, "Standalone mode", -1, 0, wxITEM_RADIO},
    {ID_MENU_START, "Start / ga door", wxACCEL_NORMAL, WXK_F5, wxITEM_NORMAL},
    {ID_MENU_PAUSE, "Onderbreken", wxACCEL_CTRL | wxACCEL_ALT, WXK_ESCAPE, wxITEM_NORMAL},
    {ID_MENU_STOP, "Stop", wxACCEL_SHIFT, WXK_F5, wxITEM_NORMAL},
    {ID_MENU_STEP, "Stap voor stap", wxACCEL_NORMAL, WXK_F10, wxITEM_NORMAL},
    {ID_MENU_UPLOAD, "Upload programma naar Tamek.", wxACCEL_NORMAL, WXK_F12, wxITEM_NORMAL},
    {ID_MENU_HELP, "Help", wxACCEL_NORMAL, WXK_F1, wxITEM_NORMAL},
    {ID_MENU_WEBSITE, "www.tamek.be", wxACCEL_NORMAL, WXK_F2, wxITEM_NORMAL},
    {ID_MENU_ABOUT, "Over..", -1, 0, wxITEM_NORMAL},
};

struct ExpectedTool
{
    int id;
    const char* label;
    const char* tip;
};

const ExpectedTool kTools[] = {
    {ID_TOOL_NEW, "Nieuw", "Nieuw"},
    {ID_TOOL_OPEN, "Open", "Open"},
    {ID_TOOL_SAVE, "Opslaan project", "Opslaan project"},
    {ID_TOOL_PRINT, "Afdrukken", "Afdrukken"},
    {ID_TOOL_UNDO, "Ongedaan maken", "Ongedaan maken"},
    {ID_TOOL_REDO, "Opnieuw", "Opnieuw"},
    {ID_TOOL_SELECT, "Selecteer", "Selecteer"},
    {ID_TOOL_MOVE, "Beweeg", "Beweeg"},
    {ID_TOOL_ZOOM, "Zoom", "Zoom"},
    {ID_TOOL_LINK, "Verbind", "Verbind"},
    {ID_TOOL_START, "Start / ga door", "Start / ga door"},
    {ID_TOOL_STEP, "Stap voor stap", "Stap voor stap"},
    {ID_TOOL_PAUSE, "Onderbreken", "Onderbreken"},
    {ID_TOOL_STOP, "Stop", "Stop"},
    {ID_TOOL_MODE_VIRTUAL, "Virtuele mode", "Virtuele mode"},
    {ID_TOOL_MODE_MANUAL, "Manuele mode", "Manuele mode"},
    {ID_TOOL_MODE_STANDALONE, "Standalone mode", "Standalone mode"},
    {ID_TOOL_CONFIGURATION, "Configuratie", "Configuratie"},
    {ID_TOOL_STOP_ACTUATORS, "Stop", "Stop servo / motor"},
    {ID_TOOL_UPLOAD, "Upload via USB bezig", "Upload via USB bezig"},
    {ID_TOOL_EMPTY, "", ""},
};
} // namespace

TEST_F(MainWindowTest, MenusCarryTheirTitlesInOrder)
{
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 5u);
    const char* titles[] = {"Bestand", "Edit", "Beeldscherm", "Tamek", "Help"};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(bar->GetMenuLabelText(i), titles[i]);
}

TEST_F(MainWindowTest, MenuItemsCarryTheirLabelsKeysAndKinds)
{
    wxMenuBar* bar = frame->GetMenuBar();
    for (const ExpectedMenuItem& expected : kMenuItems) {
        SCOPED_TRACE(expected.label);
        wxMenuItem* item = bar->FindItem(expected.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetItemLabelText(), wxString::FromUTF8(expected.label));
        EXPECT_EQ(item->GetKind(), expected.kind);
        std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
        if (expected.flags < 0) {
            EXPECT_EQ(accel, nullptr);
        } else {
            ASSERT_NE(accel, nullptr);
            EXPECT_EQ(accel->GetFlags(), expected.flags);
            EXPECT_EQ(accel->GetKeyCode(), expected.key);
        }
    }
    EXPECT_NE(bar->FindItem(ID_MENU_RECENT)->GetSubMenu(), nullptr);
    EXPECT_NE(bar->FindItem(ID_MENU_ZOOM)->GetSubMenu(), nullptr);
    EXPECT_NE(bar->FindItem(ID_MENU_MODE)->GetSubMenu(), nullptr);
}

TEST_F(MainWindowTest, TheFileMenuIsOrderedWithItsSeparators)
{
    wxMenu* file = frame->GetMenuBar()->GetMenu(0);
    const int expected[] = {ID_MENU_NEW,     ID_MENU_OPEN,   wxID_SEPARATOR,        ID_MENU_SAVE,
                            ID_MENU_SAVE_AS, wxID_SEPARATOR, ID_MENU_PRINT_PREVIEW, ID_MENU_PRINT,
                            wxID_SEPARATOR,  ID_MENU_RECENT, ID_MENU_EMPTY_RECENT,  wxID_SEPARATOR,
                            ID_MENU_EXIT};
    ASSERT_EQ(file->GetMenuItemCount(), WXSIZEOF(expected));
    for (size_t i = 0; i < WXSIZEOF(expected); ++i)
        EXPECT_EQ(file->FindItemByPosition(i)->GetId(), expected[i]) << i;
}

TEST_F(MainWindowTest, ToolbarCarriesItsToolsLabelsAndTooltips)
{
    wxAuiToolBar* toolbar = frame->GetTamekToolBar();
    size_t tools = 0;
    for (size_t i = 0; i < toolbar->GetToolCount(); ++i)
        if (toolbar->FindToolByIndex(i)->GetKind() != wxITEM_SEPARATOR)
            ++tools;
    EXPECT_EQ(tools, WXSIZEOF(kTools));
    for (size_t i = 0; i < WXSIZEOF(kTools); ++i) {
        const ExpectedTool& expected = kTools[i];
        SCOPED_TRACE(expected.id);
        wxAuiToolBarItem* tool = toolbar->FindTool(expected.id);
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->GetLabel(), wxString::FromUTF8(expected.label));
        EXPECT_EQ(tool->GetShortHelp(), wxString::FromUTF8(expected.tip));
        EXPECT_TRUE(tool->GetBitmapFor(toolbar).IsOk());
    }
    EXPECT_EQ(toolbar->FindTool(ID_TOOL_UNPLACED), nullptr);
}

TEST_F(MainWindowTest, PanesCarryTheirNamesCaptionsAndPlaces)
{
    wxAuiManager& aui = frame->GetAuiManager();
    wxAuiPaneInfo& toolbar = aui.GetPane("_toolbar_mainmenu");
    ASSERT_TRUE(toolbar.IsOk());
    EXPECT_EQ(toolbar.caption, "Main Menu");
    EXPECT_TRUE(toolbar.IsToolbar());
    EXPECT_EQ(toolbar.dock_direction, wxAUI_DOCK_TOP);
    EXPECT_FALSE(toolbar.HasGripper());
    EXPECT_FALSE(toolbar.IsLeftDockable());
    EXPECT_FALSE(toolbar.IsRightDockable());

    wxAuiPaneInfo& palette = aui.GetPane("State");
    ASSERT_TRUE(palette.IsOk());
    EXPECT_EQ(palette.dock_direction, wxAUI_DOCK_RIGHT);
    EXPECT_EQ(palette.min_size, wxSize(240, 400));
    EXPECT_TRUE(palette.IsResizable());
    EXPECT_FALSE(palette.HasCloseButton());
    EXPECT_FALSE(palette.IsFloatable());
    EXPECT_EQ(palette.window->GetBackgroundColour(), wxColour(240, 240, 240));

    wxAuiPaneInfo& project = aui.GetPane("project");
    ASSERT_TRUE(project.IsOk());
    EXPECT_EQ(project.caption, "Projet");
    EXPECT_EQ(project.dock_direction, wxAUI_DOCK_CENTER);
    EXPECT_EQ(project.window, frame->GetCanvas());

    wxAuiPaneInfo& console = aui.GetPane("Console");
    ASSERT_TRUE(console.IsOk());
    EXPECT_EQ(console.caption, "Scherm");
    EXPECT_EQ(console.dock_direction, wxAUI_DOCK_BOTTOM);
    EXPECT_EQ(console.min_size, wxSize(600, 100));
    EXPECT_EQ(console.max_size, wxSize(600, 100));
    EXPECT_FALSE(console.IsResizable());
    EXPECT_FALSE(console.IsFloatable());
}
