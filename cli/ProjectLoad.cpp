#include "cli/ProjectLoad.h"

#include <cstdio>

bool LoadProject(const std::string& path, CProgram& program, CalibrationRecord& calibration)
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
        std::fprintf(stderr, "tamekc: %s%s: %s\n", path.c_str(), (const char*)where.utf8_str(),
                     (const char*)text.utf8_str());
        return false;
    }
    calibration = fileCalibration.present ? fileCalibration : CalibrationRecord::Defaults();
    return true;
}
