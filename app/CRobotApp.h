#pragma once
// The application object: brings the program up and keeps the main window's shift-held flag.

#include <wx/app.h>

class wxLocale;

class MyApp : public wxApp
{
public:
    bool OnInit() override;
    int FilterEvent(wxEvent& event) override;

private:
    // Sets the French locale and adds the catalogues; without the locale the Dutch source texts stay.
    void SetUpLocale();
    void ShowSplash();

    wxLocale* m_locale = nullptr;
};

// Creates the main window with its title, position and sizes, makes it the top window and shows it.
class CFrame;
CFrame* CreateMainWindow();
// Updates the main window's shift-held flag from a key event (the application's event filter).
void TrackShiftKey(const wxEvent& event);
