// Pieces of start-up: the running-copy search, the data beside the executable, the catalogues, and
// the about box.
#include "GuiTest.h"

#include "app/AppPaths.h"
#include "app/CommandIds.h"
#include "app/SingleInstance.h"

#include <wx/filename.h>
#include <wx/translation.h>

TEST_F(MainWindowTest, TheRunningCopyIsFoundByItsFrameClassAndTitleWordUntilItCloses)
{
    // The test program's own main window is a frame of this toolkit titled "Tamek".
    EXPECT_FALSE(ToolkitFrameClass().empty());
    EXPECT_TRUE(FindRunningCopy("Tamek"));
    EXPECT_TRUE(FindRunningCopy("ame"));
    EXPECT_FALSE(FindRunningCopy("tamek")); // the title test tells case apart
    EXPECT_FALSE(FindRunningCopy("Robotje"));
    frame->Destroy();
    ASSERT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    EXPECT_TRUE(WaitFor([] { return !FindRunningCopy("Tamek"); }));
}

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
