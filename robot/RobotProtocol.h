#pragma once
// What the program and the robot say to each other: one report of eight data bytes d0-d7 each way
// (report id 0 in front on the wire), the command in d0 of a request, answers from d1 on.

#include <array>
#include <string>

using RobotReport = std::array<unsigned char, 8>;

// d0 of a request. Program data carries bits 12-8 of its report number in the low five bits.
namespace RobotCommand {
enum : int
{
    ProgramData = 0x80,
    EndUploadDone = 0xB0,
    EndUploadAbandoned = 0xA0,
    SetActuator = 0x65,
    Restart = 0x66,
    Stop = 0x67,
    Step = 0x68,
    Run = 0x69,
    ReadInputs = 0x37,
    ReadProgramCounter = 0x38,
    ReadRegister = 0x39
};
}

// Register numbers of ReadRegister and SetActuator; below 128, the program variable of that number.
namespace RobotRegister {
enum : int
{
    Wait = 128,
    Buzzer = 129,
    LedR = 130,
    Servo1 = 131,
    Servo2 = 132,
    Motor2 = 133,
    Motor1 = 134
};
}

// The register that watching a running robot reads for an action block of this kind word ("Wait",
// "Buzzer", "LedR", "Servo1", "Servo2", "Motor1", "Motor2"); -1 for every other kind.
int RobotRegisterOfKind(const std::string& kindWord);

constexpr int kProgramBytesPerReport = 6;
constexpr int kMaxProgramReports = 8192; // the report number has 13 bits
