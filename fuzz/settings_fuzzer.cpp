// Feeds any bytes through the settings parser, then checks that what it produced survives being
// written and read again.
#include "base/TextCodec.h"
#include "calibration/Settings.h"

#include <cstdint>
#include <cstdlib>
#include <wx/init.h>

namespace {
bool IsAscii(const wxString& text)
{
    for (wxUniChar c : text) {
        if (c.GetValue() > 0x7F)
            return false;
    }
    return true;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static wxInitializer initializer;
    return initializer.IsOk() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // Paths that look absolute (and hold no NUL) count as existing, so the list fills up and its limit is exercised.
    const FileExistsCheck exists = [](const wxString& path) {
        return path.StartsWith("/") && path.find(wxUniChar(0)) == wxString::npos;
    };
    CalibrationRecord record = CalibrationRecord::Defaults();
    const std::vector<wxString> recent = ReadSettingsText(bytes, record, exists);
    Check(recent.size() <= MaxRecentProjects);

    // The calibration lines read back into the same record.
    CalibrationRecord again = record;
    for (const wxString& line : SplitLines(record.Lines()))
        Check(again.ParseLine(line));
    Check(again == record);

    // An ASCII list written and read again is the same list.
    bool ascii = true;
    for (const wxString& path : recent)
        ascii = ascii && IsAscii(path);
    if (ascii) {
        CalibrationRecord target = CalibrationRecord::Defaults();
        Check(ReadSettingsText(SettingsText(recent, record), target, exists) == recent);
    }
    return 0;
}
