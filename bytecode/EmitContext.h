#pragma once
// What the emitters read besides their own block: the program whose variable list names the
// variables, and the calibration that the Start block loads. A compilation sets both for its
// duration; outside one, the emitters use the application's program and current calibration.

class CProgram;
class CalibrationRecord;

const CProgram& EmitProgram();
const CalibrationRecord& EmitCalibration();

// Sets the program (and, when given, the calibration) for the emitters until it goes out of scope.
class ScopedEmitContext
{
public:
    explicit ScopedEmitContext(const CProgram& program, const CalibrationRecord* calibration = nullptr);
    ~ScopedEmitContext();
    ScopedEmitContext(const ScopedEmitContext&) = delete;
    ScopedEmitContext& operator=(const ScopedEmitContext&) = delete;

private:
    const CProgram* m_savedProgram;
    const CalibrationRecord* m_savedCalibration;
};

// Makes Compile load this calibration instead of the current one until it goes out of scope
// (tamekc compiles a project with the project's own calibration).
class ScopedCompileCalibration
{
public:
    explicit ScopedCompileCalibration(const CalibrationRecord& calibration);
    ~ScopedCompileCalibration();
    ScopedCompileCalibration(const ScopedCompileCalibration&) = delete;
    ScopedCompileCalibration& operator=(const ScopedCompileCalibration&) = delete;

private:
    const CalibrationRecord* m_saved;
};

// The calibration a compilation loads: the one a ScopedCompileCalibration set, else the current one.
const CalibrationRecord& CompileCalibration();
