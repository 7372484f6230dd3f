#pragma once
// Test helpers around project text: read a text into a program, write a program to text, read a file.

#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"
#include "model/ProjectWriter.h"

#include <fstream>
#include <sstream>
#include <string>
#include <wx/mstream.h>

namespace testing_support {

// The bytes of a file under tests/data.
inline std::string DataFile(const std::string& name)
{
    std::ifstream in(std::string(TAMEK_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Reads project text (raw bytes) into program through ReadText.
inline bool ReadString(CProgram& program, const std::string& bytes, ReadError* error = nullptr,
                       CalibrationRecord* calibration = nullptr, Displacement* displacement = nullptr,
                       ReadBounds* bounds = nullptr)
{
    CalibrationRecord scratch = CalibrationRecord::Defaults();
    Displacement d;
    ReadBounds b;
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    return program.ReadText(stream, displacement ? *displacement : d, bounds ? *bounds : b,
                            calibration ? *calibration : scratch, error);
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
