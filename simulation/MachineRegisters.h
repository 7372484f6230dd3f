#pragma once
// The robot's registers as the machine holds them: what a register read from the robot, or a
// register the virtual robot is told to set, becomes on the byte-code machine.

class TamekMachine;

// Below 128 the program variable of that number; above, the timer and the outputs. The lowest bit
// of the buzzer and LED registers is their on or off state. Other numbers change nothing.
void SetMachineRegister(TamekMachine& machine, int number, int value);
