// The settings file: the recent-projects list and the calibration in force, through real files.
#include "calibration/Settings.h"
#include "base/TextCodec.h"
#include "support/ProjectText.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/utils.h>

using testing_support::DataFile;

namespace {

// A fresh temporary folder per test, removed afterwards; the settings file lies in its "Tamek" folder.
struct SettingsFixture : ::testing::Test
{
    wxString folder, settings;
    CalibrationRecord calibration = CalibrationRecord::Defaults();

    void SetUp() override
    {
        char name[] = "/tmp/tamek-settings-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        settings = folder + "/Tamek/.config";
    }
    void TearDown() override { wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE); }
    // Creates an (empty) project file and returns its full path.
    wxString Project(const wxString& name)
    {
        const wxString path = folder + "/" + name;
        std::ofstream(path.fn_str().data());
        return path;
    }
    void WriteSettingsBytes(const std::string& bytes)
    {
        wxFileName::Mkdir(folder + "/Tamek", 0777, wxPATH_MKDIR_FULL);
        std::ofstream(settings.fn_str().data(), std::ios::binary) << bytes;
    }
    std::vector<wxString> Read() { return ReadSettings(calibration, settings); }
};

} // namespace

TEST_F(SettingsFixture, RoundTripThroughTheFileKeepsListAndCalibration)
{
    const wxString a = Project("a.tamek");
    ASSERT_TRUE(WriteSettings({a}, CalibrationRecord::Defaults(), settings));
    EXPECT_EQ(DataFile(settings.ToStdString()), EncodeText("File0:" + a + "\n")); // the defaults write no block
    const std::vector<wxString> recent = {Project("Robot-project (1), v2; [test] & co.tamek"),
                                          Project(wxString(L"caf\u00e9 #2.tamek")),
                                          Project(wxString(L"5\u20ac.tamek"))};
    CalibrationRecord written = CalibrationRecord::Defaults();
    written.Set(5, 1);
    written.Set(0, 57);
    written.Set(21, 30);
    ASSERT_TRUE(WriteSettings(recent, written, settings));
    calibration.Set(20, 1);
    EXPECT_EQ(Read(), recent); // punctuation and characters beyond Latin-1 in a path are kept whole
    EXPECT_EQ(calibration, written);
    ASSERT_TRUE(WriteSettings({}, CalibrationRecord::Defaults(), settings));
    EXPECT_EQ(DataFile(settings.ToStdString()), "");
}

TEST_F(SettingsFixture, NoFileGivesDefaultsAndAnEmptyList)
{
    calibration.Set(20, 1);
    EXPECT_TRUE(Read().empty());
    EXPECT_EQ(calibration, CalibrationRecord::Defaults());
    EXPECT_TRUE(wxFileName::DirExists(folder + "/Tamek")); // the folder is made ready for writing
}

TEST_F(SettingsFixture, MissingProjectsAreDroppedAndTheListStopsAtTen)
{
    std::string text = EncodeText("File0:" + folder + "/gone.tamek\n");
    std::vector<wxString> expected;
    for (int i = 0; i < 12; ++i) {
        const wxString path = Project(wxString::Format("p%d.tamek", i));
        text += EncodeText(wxString::Format("File%d:", i % 10) + path + "\n");
        if (expected.size() < 10)
            expected.push_back(path);
    }
    text += EncodeText("File3:" + folder + "\n") + "File7:\n"; // a folder is no project
    WriteSettingsBytes(text);
    EXPECT_EQ(Read(), expected);
}

TEST_F(SettingsFixture, ReadsLatin1Utf8AndBomFilesAndOddLines)
{
    const wxString path = Project(wxString(L"\u00e9l\u00e8ve-\u00fc.tamek"));
    const std::string utf8 = ("File0:" + path + "\ndir:10\n").ToStdString(wxConvUTF8);
    for (const std::string& bytes : {utf8, EncodeText("File0:" + path + "\r\ndir:10\r\n"), "\xEF\xBB\xBF" + utf8}) {
        WriteSettingsBytes(bytes);
        EXPECT_EQ(Read(), std::vector<wxString>{path});
        EXPECT_EQ(calibration.servo[0].flags, 2);
    }
    // Malformed values read as 0, other lines are ignored, and file lines pass the calibration parser too.
    WriteSettingsBytes(std::string("garbage\0\xFF line\nMotor1Mi:x\nSer1DegMa:\n[Section]\nFile:nothing\n", 60));
    EXPECT_TRUE(Read().empty());
    EXPECT_EQ(calibration.motor[0].minimum, 0);
    EXPECT_EQ(calibration.servo[0].angleMax, 0);
    EXPECT_EQ(calibration.motor[1].minimum, 24);
    const wxString odd = Project("Motor1Mi:7.tamek");
    WriteSettingsBytes(EncodeText("File0:" + odd + "\n"));
    EXPECT_EQ(Read(), std::vector<wxString>{odd});
    EXPECT_EQ(calibration.motor[0].minimum, 7);
}

TEST_F(SettingsFixture, GoldenFilesLatin1WhenEverythingFitsElseUtf8)
{
    CalibrationRecord record = CalibrationRecord::Defaults();
    const int values[][2] = {{5, 1}, {0, 58}, {1, 80}, {2, -70}, {11, 1}, {20, 1}, {18, 20}, {22, 50}};
    for (const auto& [index, value] : values)
        record.Set(index, value);
    std::vector<wxString> recent = {wxString(L"/home/leerling/Robot-project (1).tamek"),
                                    wxString(L"/home/leerling/caf\u00e9/Doolhof.tamek")};
    for (const char* golden : {"settings/golden.config", "settings/golden-utf8.config"}) {
        EXPECT_EQ(SettingsText(recent, record), DataFile(golden));
        CalibrationRecord back = CalibrationRecord::Defaults();
        EXPECT_EQ(ReadSettingsText(DataFile(golden), back, [](const wxString&) { return true; }), recent);
        EXPECT_EQ(back, record);
        recent.push_back(wxString(L"/home/leerling/\u20ac.tamek"));
    }
    // A path holding a line end is never written; the list is capped at ten.
    recent = {"/tmp/a\ndir:63", "/tmp/b\rc"};
    std::string expected;
    for (int i = 0; i < 12; ++i) {
        recent.push_back(wxString::Format("/tmp/p%d", i));
        if (i < 10)
            expected += wxString::Format("File%d:/tmp/p%d\n", i, i).ToStdString();
    }
    EXPECT_EQ(SettingsText(recent, CalibrationRecord::Defaults()), expected);
}

TEST_F(SettingsFixture, AFailedWriteLeavesTheOldFile)
{
    const wxString a = Project("a.tamek");
    ASSERT_TRUE(WriteSettings({a}, calibration, settings));
    const std::string before = DataFile(settings.ToStdString());
    // A file size limit makes the write fail part-way, even for a user that permissions do not stop.
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 16;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    calibration.Set(23, 1);
    const bool written = WriteSettings({a, a, a}, calibration, settings);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(DataFile(settings.ToStdString()), before);
    wxArrayString left;
    wxDir::GetAllFiles(folder + "/Tamek", &left, wxEmptyString, wxDIR_FILES | wxDIR_HIDDEN);
    EXPECT_EQ(left.size(), 1u); // no temporary file left behind
    // A folder that cannot be made fails quietly.
    EXPECT_FALSE(WriteSettings({}, calibration, a + "/Tamek/.config"));
    EXPECT_TRUE(ReadSettings(calibration, a + "/Tamek/.config").empty());
}

TEST(SettingsPath, FollowsXdgDataHome)
{
    wxString savedXdg, savedHome;
    const bool hadXdg = wxGetEnv("XDG_DATA_HOME", &savedXdg);
    const bool hadHome = wxGetEnv("HOME", &savedHome);
    wxSetEnv("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(SettingsFilePath(), "/srv/data/Tamek/.config");
    wxSetEnv("HOME", "/home/leerling");
    wxSetEnv("XDG_DATA_HOME", "relative/ignored");
    EXPECT_EQ(UserDataDirectory(), "/home/leerling/.local/share");
    wxUnsetEnv("XDG_DATA_HOME");
    EXPECT_EQ(SettingsFilePath(), "/home/leerling/.local/share/Tamek/.config");
    hadXdg ? wxSetEnv("XDG_DATA_HOME", savedXdg) : wxUnsetEnv("XDG_DATA_HOME");
    hadHome ? wxSetEnv("HOME", savedHome) : wxUnsetEnv("HOME");
}
