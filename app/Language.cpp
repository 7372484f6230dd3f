#include "app/Language.h"

#include "app/AppPaths.h"

#include <cstdlib>
#include <wx/intl.h>
#include <wx/log.h>

void SpeakDutchToTheSystem()
{
    // GTK's gettext takes the language list first; the French locale only has to be there.
    setenv("LANGUAGE", "nl", 1);
}

wxLocale* SetUpDutchLocale()
{
    auto* locale = new wxLocale; // lives until the process ends
    bool ready;
    {
        wxLogNull quiet; // the toolkit's own complaint would be a message box
        ready = locale->Init(wxLANGUAGE_FRENCH, wxLOCALE_LOAD_DEFAULT);
    }
    if (!ready) {
        // A missing system locale is common on Linux: the Dutch source texts are shown instead,
        // and the warning goes to standard error rather than into a message box at every start.
        wxLogStderr toStandardError;
        wxLog* previous = wxLog::SetActiveTarget(&toStandardError);
        wxLogWarning("This language is not supported by the system.");
        wxLog::SetActiveTarget(previous);
        delete locale;
        return nullptr;
    }
    wxLocale::AddCatalogLookupPathPrefix(AppPath("./locale/"));
    locale->AddCatalog("robot");
    // Added last, so it is looked up before the toolkit's French catalogue.
    locale->AddCatalog("wxWidget");
    return locale;
}
