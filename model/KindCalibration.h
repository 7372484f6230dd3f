#pragma once
// The calibration as the block kinds see it: the servo and motor prototypes take their parameter
// bounds, pulse values and flags from a calibration record, and every clone reads them there (the
// question, the range checks and the emitters).

class CalibrationRecord;

// A continuous servo gets -10..10 (its question then asks a speed), a positional one its angle
// limits, a motor -10..10; each also its pulse pair (calibration ints 0 and 1) and its flags
// (calibration mode bits; the calibration flag tells a reversed direction).
void ApplyCalibrationToKinds(const CalibrationRecord& calibration);
