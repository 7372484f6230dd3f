// Saves two projects into one file in turn, for ever: the atomic-save test kills it at random
// moments. "save_loop FILE": the two projects' texts go to FILE.old and FILE.new, FILE starts as
// the old one, "ready" on standard output says the saving begins.
#include "ProjectGenerator.h"

#include "calibration/CalibrationRecord.h"
#include "model/ProjectWriter.h"

#include <cstdio>
#include <fstream>
#include <wx/init.h>

namespace {
bool WritePlain(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out << bytes);
}
} // namespace

int main(int argc, char** argv)
{
    wxInitializer initializer;
    if (argc != 2 || !initializer.IsOk())
        return 1;
    const CalibrationRecord calibration = CalibrationRecord::Defaults();
    CProgram older, newer;
    BuildLargeProject(older, 2000);
    BuildLargeProject(newer, 1600);
    const std::string path = argv[1];
    if (!WritePlain(path + ".old", ProjectWriter::Text(older, CalibrationBlock(calibration))) ||
        !WritePlain(path + ".new", ProjectWriter::Text(newer, CalibrationBlock(calibration))) ||
        !older.WriteProject(path, calibration))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        newer.WriteProject(path, calibration);
        older.WriteProject(path, calibration);
    }
}
