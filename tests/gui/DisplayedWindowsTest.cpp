// What the display itself shows, under X11 and under Wayland alike: the main window with its
// project and the print preview over it, listed by the X server or the compositor (and saved as
// screenshots when TAMEK_SCREENSHOTS names a folder); the splash drawn inside the main window.
#include "GuiTest.h"

#include "app/CFrame.h"
#include "app/CommandIds.h"
#include "app/SplashOverlay.h"

#include <cstdlib>
#include <wx/prntbase.h>
#include <wx/toplevel.h>

namespace {
bool Displayed(const wxString& title)
{
    return DisplayedWindowTitles().Index(title) != wxNOT_FOUND;
}
} // namespace

TEST_F(MainWindowTest, TheMainWindowAndThePrintPreviewReachTheDisplay)
{
    const wxString project = wxString(TAMEK_SOURCE_DIR) + "/examples/blink.tamek";
    ASSERT_TRUE(frame->OpenProjectByPath(project));
    EXPECT_TRUE(WaitFor([&] { return Displayed("Tamek - " + project); }, 10000));
    EXPECT_TRUE(WaitForRepaint(frame->GetCanvas()));
    SaveScreenshot("main-window");

    wxCommandEvent preview(wxEVT_MENU, ID_MENU_PRINT_PREVIEW);
    frame->GetEventHandler()->ProcessEvent(preview);
    ASSERT_TRUE(WaitFor([] { return Displayed("Afdrukvoorbeeld"); }, 10000));
    wxPreviewFrame* shown = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
        if (window->GetLabel() == "Afdrukvoorbeeld")
            shown = dynamic_cast<wxPreviewFrame*>(window);
    ASSERT_NE(shown, nullptr);
    wxPreviewCanvas* page = nullptr;
    for (wxWindow* child : shown->GetChildren())
        page = page ? page : dynamic_cast<wxPreviewCanvas*>(child);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(WaitForRepaint(page));
    SaveScreenshot("print-preview");
    shown->Close(true);
    EXPECT_TRUE(WaitFor([] { return !Displayed("Afdrukvoorbeeld"); }, 10000));
}

TEST_F(MainWindowTest, TheSplashInsideTheWindowStaysInItsMiddleAndGoesAfterItsTimeOrAClick)
{
    const auto isChild = [this](wxWindow* window) { return frame->GetChildren().Find(window) != nullptr; };
    const auto isCentred = [this](wxWindow* splash) {
        const wxRect room(frame->GetClientSize()), picture = splash->GetRect();
        return std::abs((picture.GetLeft() - room.GetLeft()) - (room.GetRight() - picture.GetRight())) <= 1 &&
               std::abs((picture.GetTop() - room.GetTop()) - (room.GetBottom() - picture.GetBottom())) <= 1;
    };
    wxWindow* splash = ShowSplashInWindow(wxBitmap(wxImage(120, 60)), frame, 60000);
    EXPECT_EQ(splash->GetClientSize(), wxSize(120, 60));
    EXPECT_TRUE(isCentred(splash));
    frame->SetSize(frame->GetSize() - wxSize(200, 100)); // as when the compositor settles the size
    EXPECT_TRUE(WaitFor([&] { return frame->GetClientSize().x < 1200 && isCentred(splash); }));
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    splash->GetEventHandler()->ProcessEvent(click);
    EXPECT_TRUE(WaitFor([&] { return !isChild(splash); }));

    splash = ShowSplashInWindow(wxBitmap(wxImage(120, 60)), frame, 200);
    EXPECT_TRUE(WaitFor([&] { return !isChild(splash); }));
}
