#include "simulation/MachineRegisters.h"

#include "bytecode/TamekMachine.h"
#include "robot/RobotProtocol.h"

void SetMachineRegister(TamekMachine& machine, int number, int value)
{
    switch (number) {
    case RobotRegister::Wait:
        machine.SetTimer(value);
        break;
    case RobotRegister::Buzzer:
        machine.SetOutput(TamekMachine::Buzzer, (value & 1) != 0);
        break;
    case RobotRegister::LedR:
        machine.SetOutput(TamekMachine::RedLed, (value & 1) != 0);
        break;
    case RobotRegister::Servo1:
    case RobotRegister::Servo2:
        machine.SetChannel(number - RobotRegister::Servo1, value);
        break;
    case RobotRegister::Motor2:
    case RobotRegister::Motor1:
        machine.SetChannel(2 + number - RobotRegister::Motor2, value);
        break;
    default:
        if (number >= 0 && number < TamekMachine::kVariableCount)
            machine.SetVariable(number, value);
        break;
    }
}
