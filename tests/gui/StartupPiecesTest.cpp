// Pieces of start-up: the data beside the executable, the catalogue, and the about box.
#include "GuiTestSupport.h"

#include "app/AppPaths.h"
#include "app/CFrame.h"
#include "app/CommandIds.h"

#include <wx/filename.h>
#include <wx/translation.h>

TEST(BuiltData, HelpPageAndCatalogueLieBesideTheExecutable)
{
    EXPECT_TRUE(wxFileName::FileExists(AppPath("Help/index.html")));
    EXPECT_TRUE(wxFileName::FileExists(AppPath("Help/style.css")));
    EXPECT_TRUE(wxFileName::FileExists(AppPath("Img/Tamek-Splash.png")));
    // Both spellings of the toolbar picture folder lead to the pictures.
    EXPECT_TRUE(wxFileName::FileExists(AppPath("Img/Icons/open-ico.png")));
    EXPECT_TRUE(wxFileName::FileExists(AppPath("Img/icons/arrow_off-ico.png")));
}

TEST(BuiltData, TheRobotCatalogueTranslatesFrenchTextsButNeverStoredKindWords)
{
    ASSERT_TRUE(wxFileName::FileExists(AppPath("./locale/fr/LC_MESSAGES/robot.mo")));
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(AppPath("./locale/"));
    wxTranslations translations; // looked up as the program looks it up, without changing the locale
    translations.SetLanguage("fr");
    ASSERT_TRUE(translations.AddCatalog("robot"));
    const wxString* project = translations.GetTranslatedString("Projet", "robot");
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(*project, "Project");
    for (const char* word : {"Buzzer", "LedR", "Motor1", "Motor2", "Servo1", "Servo2", "Switch1", "Switch2", "Switch3",
                             "Detector1", "Detector2", "Variable", "VariableIf", "Wait", "Avancer", "Tamek"})
        EXPECT_EQ(translations.GetTranslatedString(word, "robot"), nullptr) << word;
}

TEST_F(MainWindowTest, TheAboutBoxNamesTheProgram)
{
    wxCommandEvent about(wxEVT_MENU, ID_MENU_ABOUT);
    wxTEST_DIALOG(frame->GetEventHandler()->ProcessEvent(about), ExpectMessage("Tamek", "Over..", wxID_OK));
}
