#include "cli/ProjectLoad.h"

#include <cstdio>

bool LoadProject(const std::string& path, CProgram& program, CalibrationRecord& calibration, std::string* why)
{
    program.EnsureRoot();
    program.Clear();
    program.ResetPrototypeNames();
    CalibrationRecord fileCalibration = CalibrationRecord::Defaults();
    Displacement displacement;
    ReadBounds bounds;
    ReadError error;
    if (!program.ReadProject(wxString::FromUTF8(path), displacement, bounds, fileCalibration, &error)) {
        wxString where = error.line > 0 ? wxString::Format(":%d", error.line) : wxString();
        wxString text = error.message;
        if (!error.detail.empty())
            text << " (" << error.detail << ")";
        const std::string message = path + (const char*)where.utf8_str() + ": " + (const char*)text.utf8_str();
        if (why)
            *why = message;
        else
            std::fprintf(stderr, "tamekc: %s\n", message.c_str());
        return false;
    }
    calibration = fileCalibration.present ? fileCalibration : CalibrationRecord::Defaults();
    return true;
}
