#pragma once
// Pictures compared with reviewed reference PNGs in tests/data/render/, with a small tolerance:
// a pixel differs when one of its channels differs by more than 48, and at most 0.5 % of the
// pixels may differ. The picture drawn is always written beside the test executable
// ("render-actual/<name>") for review; TAMEK_UPDATE_GOLDEN=1 makes it the new reference.

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

// Two pictures of one size whose pixels agree within the tolerance.
inline ::testing::AssertionResult ImagesMatch(const wxImage& actual, const wxImage& expected)
{
    if (expected.GetSize() != actual.GetSize())
        return ::testing::AssertionFailure() << "size " << actual.GetWidth() << "x" << actual.GetHeight()
                                             << " instead of " << expected.GetWidth() << "x" << expected.GetHeight();
    const unsigned char* a = actual.GetData();
    const unsigned char* e = expected.GetData();
    const long pixels = static_cast<long>(actual.GetWidth()) * actual.GetHeight();
    long differing = 0;
    for (long i = 0; i < pixels; ++i)
        for (int c = 0; c < 3; ++c)
            if (std::abs(a[3 * i + c] - e[3 * i + c]) > 48) {
                ++differing;
                break;
            }
    if (differing * 200 > pixels)
        return ::testing::AssertionFailure() << differing << " of " << pixels << " pixels differ";
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult MatchesGolden(const wxImage& actual, const wxString& name)
{
    const wxString reference = wxString(TAMEK_TEST_DATA) + "/render/" + name;
    const wxString actualDir = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath() + "/render-actual";
    wxFileName::Mkdir(actualDir, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    actual.SaveFile(actualDir + "/" + name, wxBITMAP_TYPE_PNG);
    wxString update;
    if (wxGetEnv("TAMEK_UPDATE_GOLDEN", &update) && update == "1") {
        actual.SaveFile(reference, wxBITMAP_TYPE_PNG);
        return ::testing::AssertionSuccess() << "reference written";
    }
    wxImage expected;
    if (!wxFileName::FileExists(reference) || !expected.LoadFile(reference, wxBITMAP_TYPE_PNG))
        return ::testing::AssertionFailure() << "no reference picture " << reference;
    return ImagesMatch(actual, expected) << " (reference " << reference << ")";
}
