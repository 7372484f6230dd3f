// Pieces of start-up: the data beside the executable, the catalogues, and the about box.
#include "GuiTest.h"

#include "app/AppPaths.h"
#include "app/CommandIds.h"

#include <wx/filename.h>
#include <wx/translation.h>

TEST_F(MainWindowTest, TheAboutBoxNamesTheProgram)
{
    wxTEST_DIALOG(Command(ID_MENU_ABOUT), ExpectMessage("Tamek", "Over..", wxID_OK));
}

TEST(BuiltData, HelpPageCataloguesAndPicturesLieBesideTheExecutable)
{
    for (const char* file : {"Help/index.html", "Help/style.css", "Img/Tamek-Splash.png", "Img/Icons/open-ico.png",
                             "Img/icons/arrow_off-ico.png", "locale/fr/LC_MESSAGES/robot.mo"})
        EXPECT_TRUE(wxFileName::FileExists(AppPath(file))) << file;
    // Looked up as the program looks them up, without changing the locale.
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(AppPath("./locale/"));
    wxTranslations translations;
    translations.SetLanguage("fr");
    // Our catalogue never translates the kind words that project files store.
    ASSERT_TRUE(translations.AddCatalog("robot"));
    for (const char* word : {"Buzzer", "LedR", "Motor1", "Motor2", "Servo1", "Servo2", "Switch1", "Switch2", "Switch3",
                             "Detector1", "Detector2", "Variable", "VariableIf", "Wait", "Avancer", "Forward", "Tamek"})
        EXPECT_EQ(translations.GetTranslatedString(word, "robot"), nullptr) << word;
}
