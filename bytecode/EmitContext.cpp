#include "bytecode/EmitContext.h"

#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"

namespace {
const CProgram* g_program = nullptr;
const CalibrationRecord* g_calibration = nullptr;
const CalibrationRecord* g_compileCalibration = nullptr;
} // namespace

const CProgram& EmitProgram()
{
    return g_program ? *g_program : TheProgram();
}

const CalibrationRecord& EmitCalibration()
{
    return g_calibration ? *g_calibration : CurrentCalibration();
}

ScopedEmitContext::ScopedEmitContext(const CProgram& program, const CalibrationRecord* calibration)
    : m_savedProgram(g_program), m_savedCalibration(g_calibration)
{
    g_program = &program;
    if (calibration)
        g_calibration = calibration;
}

ScopedEmitContext::~ScopedEmitContext()
{
    g_program = m_savedProgram;
    g_calibration = m_savedCalibration;
}

ScopedCompileCalibration::ScopedCompileCalibration(const CalibrationRecord& calibration) : m_saved(g_compileCalibration)
{
    g_compileCalibration = &calibration;
}

ScopedCompileCalibration::~ScopedCompileCalibration()
{
    g_compileCalibration = m_saved;
}

const CalibrationRecord& CompileCalibration()
{
    return g_compileCalibration ? *g_compileCalibration : CurrentCalibration();
}
