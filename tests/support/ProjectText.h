#pragma once
// Test helpers around project text: the bytes of a data file, a text read into a program (with the
// reader's shortcuts checked), and a program's snapshot.

#include "base/FileBytes.h"
#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"
#include "support/ProjectReaderChecks.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/mstream.h>

namespace testing_support {

// The bytes of a file, or of a file under tests/data when the name is relative.
inline std::string DataFile(const std::string& name)
{
    std::string bytes;
    ReadFileBytes(name.size() && name[0] == '/' ? name : std::string(TAMEK_TEST_DATA) + "/" + name, bytes);
    return bytes;
}

// The names (without ".tamek") of the projects in a folder, sorted. Listed with the standard
// library: parameterised tests list them before wxWidgets is initialised.
inline std::vector<std::string> ProjectNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".tamek")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Reads project text (raw bytes) into program through ReadText; every indexed search and key
// match of the reader is checked, and a difference fails the test.
inline bool ReadString(CProgram& program, const std::string& bytes, ReadError* error = nullptr,
                       CalibrationRecord* calibration = nullptr, Displacement* displacement = nullptr,
                       ReadBounds* bounds = nullptr)
{
    ProjectReaderChecks checks;
    CalibrationRecord scratch = CalibrationRecord::Defaults();
    Displacement d;
    ReadBounds b;
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    const bool read = program.ReadText(stream, displacement ? *displacement : d, bounds ? *bounds : b,
                                       calibration ? *calibration : scratch, error);
    if (checks.failures)
        ADD_FAILURE() << "a shortcut of the reader differs: " << checks.first;
    return read;
}

// The snapshot text of program (no calibration header).
inline std::string Snapshot(CProgram& program)
{
    wxMemoryOutputStream stream;
    program.WriteSnapshot(stream);
    std::string bytes(stream.GetLength(), '\0');
    stream.CopyTo(bytes.data(), bytes.size());
    return bytes;
}

} // namespace testing_support
