// "save_loop FILE" saves two projects into FILE in turn, for ever, for the atomic-save test to
// kill. Their texts go to FILE.old and FILE.new first; FILE starts as the old one, and "ready N"
// on standard output (N: the microseconds that save took) says the loop begins.
#include "ProjectGenerator.h"

#include "calibration/CalibrationRecord.h"
#include "model/ProjectWriter.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <wx/init.h>

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
    std::ofstream(path + ".old", std::ios::binary) << ProjectWriter::Text(older, CalibrationBlock(calibration));
    std::ofstream(path + ".new", std::ios::binary) << ProjectWriter::Text(newer, CalibrationBlock(calibration));
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
