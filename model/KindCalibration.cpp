#include "model/KindCalibration.h"

#include "calibration/CalibrationRecord.h"
#include "model/Prototypes.h"

namespace {
constexpr int kContinuous = 2, kReversed = 1;

void Apply(CState* prototype, int minimum, int maximum, int pulseMin, int pulseMax, int flags)
{
    prototype->SetParameterRange(minimum, maximum);
    prototype->SetCalibrationInt(0, pulseMin);
    prototype->SetCalibrationInt(1, pulseMax);
    prototype->SetCalibrationModeBits(flags);
    prototype->SetCalibrationFlag((flags & kReversed) != 0);
}
} // namespace

void ApplyCalibrationToKinds(const CalibrationRecord& calibration)
{
    const Prototypes& registry = Prototypes::Get();
    const KindId servos[2] = {KindId::Servo1, KindId::Servo2};
    const KindId motors[2] = {KindId::Motor1, KindId::Motor2};
    for (int i = 0; i < 2; ++i) {
        const CalibrationRecord::Servo& servo = calibration.servo[i];
        if (servo.flags & kContinuous)
            Apply(registry.Of(servos[i]), -10, 10, servo.pulseMinContinuous, servo.pulseMaxContinuous, servo.flags);
        else
            Apply(registry.Of(servos[i]), servo.angleMin, servo.angleMax, servo.pulseMinPositional,
                  servo.pulseMaxPositional, servo.flags);
        const CalibrationRecord::Motor& motor = calibration.motor[i];
        Apply(registry.Of(motors[i]), -10, 10, motor.minimum, motor.maximum, motor.flags);
    }
}
