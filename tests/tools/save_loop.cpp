// Saves two projects into one file in turn, for ever: the atomic-save test kills it at random
// moments. "save_loop FILE": the two projects' texts go to FILE.old and FILE.new, FILE starts as
// the old one, and "ready N" on standard output says the saving begins, N being the microseconds
// that first save took (so that the test kills at moments that fall inside saves on any machine).
#include "ProjectGenerator.h"

#include "calibration/CalibrationRecord.h"
#include "model/ProjectWriter.h"

#include <chrono>
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
    BuildLargeProject(older, 800);
    BuildLargeProject(newer, 600);
    const std::string path = argv[1];
    if (!WritePlain(path + ".old", ProjectWriter::Text(older, CalibrationBlock(calibration))) ||
        !WritePlain(path + ".new", ProjectWriter::Text(newer, CalibrationBlock(calibration))))
        return 1;
    const auto begin = std::chrono::steady_clock::now();
    if (!older.WriteProject(path, calibration))
        return 1;
    const auto took = std::chrono::steady_clock::now() - begin;
    std::printf("ready %lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
    std::fflush(stdout);
    for (;;) {
        newer.WriteProject(path, calibration);
        older.WriteProject(path, calibration);
    }
}
