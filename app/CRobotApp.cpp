#include "app/CRobotApp.h"

#include "app/AppPaths.h"
#include "app/CFrame.h"
#include "app/DisplaySystem.h"
#include "app/GuiUserInterface.h"
#include "app/Language.h"
#include "app/SingleInstance.h"
#include "app/SplashOverlay.h"
#include "base/Translation.h"
#include "drawing/WxImageStore.h"

#include <wx/image.h>
#include <wx/log.h>
#include <wx/splash.h>

namespace {
constexpr int kSplashMilliseconds = 2000;
}

bool MyApp::OnInit()
{
    InitialiseAppPaths();
    wxImage::AddHandler(new wxPNGHandler);
    SetUpLocale();
    if (!ClaimFirstCopy())
        return false;
    SetAppName(_("Tamek"));
    SetAppDisplayName(_("Tamek"));
    InstallGuiUserInterface();

    CFrame* frame = CreateMainWindow();
    // Work that a crash left comes first; restored, it stays on screen instead of a project named
    // on the command line.
    if (!frame->OfferRecovery() && argc > 1)
        frame->OpenProjectByPath(argv[1]);
    ShowSplash();
    Yield();
    return true;
}

void MyApp::SetUpLocale()
{
    m_locale = SetUpDutchLocale();
}

void MyApp::ShowSplash()
{
    wxImage picture;
    {
        wxLogNull quiet;
        if (!picture.LoadFile(AppPath("Img/Tamek-Splash.png"), wxBITMAP_TYPE_PNG) || !picture.IsOk())
            return;
    }
    if (OnWayland()) // the compositor would place a splash window of its own anywhere
        ShowSplashInWindow(wxBitmap(picture), MainFrameIfAny(), kSplashMilliseconds);
    else
        new wxSplashScreen(wxBitmap(picture), wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT, kSplashMilliseconds,
                           MainFrameIfAny(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                           wxSIMPLE_BORDER | wxSTAY_ON_TOP);
}

int MyApp::FilterEvent(wxEvent& event)
{
    TrackShiftKey(event);
    return Event_Skip;
}

void TrackShiftKey(const wxEvent& event)
{
    CFrame* frame = MainFrameIfAny();
    if (!frame)
        return;
    if (event.GetEventType() == wxEVT_KEY_DOWN) {
        if (static_cast<const wxKeyEvent&>(event).GetModifiers() == wxMOD_SHIFT)
            frame->SetShiftHeld(true);
    } else if (event.GetEventType() == wxEVT_KEY_UP) {
        frame->SetShiftHeld(static_cast<const wxKeyEvent&>(event).ShiftDown());
    }
}

CFrame* CreateMainWindow()
{
    // Blocks take their pictures from the store, so it comes before the first block.
    if (!TheWxImageStore())
        InstallWxImageStore(ApplicationDirectory());
    CFrame* frame = MainFrame(_("Tamek"), wxPoint(50, 50), wxSize(1280, 800));
    wxTheApp->SetTopWindow(frame);
    frame->SetMinSize(wxSize(650, 300));
    frame->Show();
    return frame;
}
