#include "calibration/Settings.h"
#include "base/TextCodec.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace {

std::string ReadBytes(const wxString& path)
{
    std::ifstream in(path.fn_str().data(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const wxString& path, const std::string& bytes)
{
    std::ofstream out(path.fn_str().data(), std::ios::binary);
    out << bytes;
}

// A fresh temporary folder per test, removed afterwards; the settings file lies in its "Tamek" folder.
struct SettingsFixture : ::testing::Test
{
    wxString folder;
    wxString settings;

    void SetUp() override
    {
        char name[] = "/tmp/tamek-settings-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        settings = folder + "/Tamek/.config";
        CurrentCalibration() = DefaultCalibration();
    }
    void TearDown() override
    {
        wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
        CurrentCalibration() = DefaultCalibration();
    }
    // Creates an (empty) project file and returns its full path.
    wxString Project(const wxString& name)
    {
        const wxString path = folder + "/" + name;
        WriteBytes(path, "");
        return path;
    }
    void WriteSettingsBytes(const std::string& bytes)
    {
        wxFileName::Mkdir(folder + "/Tamek", 0777, wxPATH_MKDIR_FULL);
        WriteBytes(settings, bytes);
    }
};

std::string Latin1(const wxString& text)
{
    return EncodeLatin1(text);
}

} // namespace

TEST_F(SettingsFixture, DefaultCalibrationWritesOnlyFileLines)
{
    const wxString a = Project("a.tamek");
    const wxString b = Project("b.tamek");
    ASSERT_TRUE(WriteSettings({a, b}, settings));
    EXPECT_EQ(ReadBytes(settings), Latin1("File0:" + a + "\nFile1:" + b + "\n"));
    ASSERT_TRUE(WriteSettings({}, settings));
    EXPECT_EQ(ReadBytes(settings), "");
}

TEST_F(SettingsFixture, RoundTripThroughTheFileKeepsListAndCalibration)
{
    const wxString a = Project("Robot-project (1), v2; [test] & co.tamek");
    const wxString b = Project(wxString(L"caf\u00e9 #2.tamek"));
    CurrentCalibration().Set(5, 1);
    CurrentCalibration().Set(0, 57);
    CurrentCalibration().Set(21, 30);
    const CalibrationRecord written = CurrentCalibration();
    ASSERT_TRUE(WriteSettings({a, b}, settings));

    CurrentCalibration() = DefaultCalibration();
    ProjectCalibration().present = true;
    const std::vector<wxString> recent = ReadSettings(settings);
    EXPECT_EQ(recent, (std::vector<wxString>{a, b})); // punctuation in a path is kept whole
    EXPECT_EQ(CurrentCalibration(), written);
    EXPECT_FALSE(ProjectCalibration().present);
}

TEST_F(SettingsFixture, NoFileGivesDefaultsAndAnEmptyList)
{
    CurrentCalibration().Set(20, 1);
    EXPECT_TRUE(ReadSettings(settings).empty());
    EXPECT_EQ(CurrentCalibration(), DefaultCalibration());
    EXPECT_TRUE(wxFileName::DirExists(folder + "/Tamek")); // the folder is made ready for writing
}

TEST_F(SettingsFixture, MissingProjectsAreDroppedAndTheListStopsAtTen)
{
    std::string text;
    std::vector<wxString> expected;
    text += Latin1("File0:" + folder + "/gone.tamek\n");
    for (int i = 0; i < 12; ++i) {
        const wxString path = Project(wxString::Format("p%d.tamek", i));
        text += Latin1(wxString::Format("File%d:", i % 10) + path + "\n");
        if (expected.size() < 10)
            expected.push_back(path);
    }
    text += Latin1("File3:" + folder + "\n"); // a folder is no project
    text += "File7:\n";
    WriteSettingsBytes(text);
    EXPECT_EQ(ReadSettings(settings), expected);
}

TEST_F(SettingsFixture, ReadsLatin1Utf8AndBomFiles)
{
    const wxString path = Project(wxString(L"\u00e9l\u00e8ve-\u00fc.tamek"));
    const std::string utf8 = ("File0:" + path + "\ndir:10\n").ToStdString(wxConvUTF8);
    const std::string latin1 = Latin1("File0:" + path + "\r\ndir:10\r\n");
    for (const std::string& bytes : {utf8, latin1, "\xEF\xBB\xBF" + utf8}) {
        WriteSettingsBytes(bytes);
        EXPECT_EQ(ReadSettings(settings), std::vector<wxString>{path});
        EXPECT_EQ(CurrentCalibration().servo[0].flags, 2);
    }
    // Written back as Latin-1.
    ASSERT_TRUE(WriteSettings({path}, settings));
    EXPECT_EQ(ReadBytes(settings).substr(0, latin1.find('\r')), latin1.substr(0, latin1.find('\r')));
}

TEST_F(SettingsFixture, MalformedValuesReadAsZeroAndOtherLinesAreIgnored)
{
    WriteSettingsBytes(std::string("garbage\0\xFF line\nMotor1Mi:x\nSer1DegMa:\n[Section]\nFile:nothing\n", 60));
    EXPECT_TRUE(ReadSettings(settings).empty());
    EXPECT_EQ(CurrentCalibration().motor[0].minimum, 0);
    EXPECT_EQ(CurrentCalibration().servo[0].angleMax, 0);
    EXPECT_EQ(CurrentCalibration().motor[1].minimum, 24);
}

TEST_F(SettingsFixture, FileLinesAlsoPassTheCalibrationParser)
{
    const wxString odd = Project("Motor1Mi:7.tamek");
    WriteSettingsBytes(Latin1("File0:" + odd + "\n"));
    EXPECT_EQ(ReadSettings(settings), std::vector<wxString>{odd});
    EXPECT_EQ(CurrentCalibration().motor[0].minimum, 7);
}

TEST_F(SettingsFixture, PathsWithLineEndsAreNotWrittenAndTheListIsCapped)
{
    std::vector<wxString> recent = {"/tmp/a\ndir:63", "/tmp/b\rc"};
    for (int i = 0; i < 12; ++i)
        recent.push_back(wxString::Format("/tmp/p%d", i));
    const std::string text = SettingsText(recent, DefaultCalibration());
    std::string expected;
    for (int i = 0; i < 10; ++i)
        expected += wxString::Format("File%d:/tmp/p%d\n", i, i).ToStdString();
    EXPECT_EQ(text, expected);
}

TEST_F(SettingsFixture, GoldenSettingsFile)
{
    CalibrationRecord record = DefaultCalibration();
    record.Set(5, 1); // servo 1 continuous
    record.Set(0, 58);
    record.Set(1, 80);
    record.Set(2, -70);
    record.Set(11, 1); // servo 2 reversed, still continuous
    record.Set(20, 1);
    record.Set(18, 20);
    record.Set(22, 50);
    const std::vector<wxString> recent = {wxString(L"/home/leerling/Robot-project (1).tamek"),
                                          wxString(L"/home/leerling/caf\u00e9/Doolhof.tamek"),
                                          wxString(L"/home/leerling/\u20ac.tamek")};
    const std::string golden = ReadBytes(TAMEK_TEST_DATA "/settings/golden.config");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(SettingsText(recent, record), golden);

    CalibrationRecord back = DefaultCalibration();
    const std::vector<wxString> read = ReadSettingsText(golden, back, [](const wxString&) { return true; });
    EXPECT_EQ(read, (std::vector<wxString>{recent[0], recent[1], "/home/leerling/?.tamek"}));
    EXPECT_EQ(back, record);
}

TEST_F(SettingsFixture, FailedWriteLeavesTheOldFile)
{
    const wxString a = Project("a.tamek");
    ASSERT_TRUE(WriteSettings({a}, settings));
    const std::string before = ReadBytes(settings);

    // A file size limit makes the write fail part-way, even for a user that permissions do not stop.
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 16;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    CurrentCalibration().Set(23, 1);
    const bool written = WriteSettings({a, a, a}, settings);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(settings), before);
    wxArrayString left;
    wxDir::GetAllFiles(folder + "/Tamek", &left, wxEmptyString, wxDIR_FILES | wxDIR_HIDDEN);
    EXPECT_EQ(left.size(), 1u); // no temporary file left behind
}

TEST_F(SettingsFixture, UnwritableFolderFailsQuietly)
{
    const wxString blocker = Project("file");
    EXPECT_FALSE(WriteSettings({}, blocker + "/Tamek/.config"));
    EXPECT_TRUE(ReadSettings(blocker + "/Tamek/.config").empty());
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

    if (hadXdg)
        wxSetEnv("XDG_DATA_HOME", savedXdg);
    if (hadHome)
        wxSetEnv("HOME", savedHome);
    else
        wxUnsetEnv("HOME");
}
