#pragma once
// The virtual robot's firmware: it keeps an uploaded program, runs it on the core machine under
// the time model's clock once GO is pressed and released (or when told to over the link), and
// answers every command of the robot protocol. No sockets, no threads, no clock of its own: the
// server feeds it requests and slices of real time.
//
// What each command does here (the protocol leaves it to the robot):
//  - program data (0x80-0x9F) fills a staging area; report 0 starts a new one. Reports past the
//    1024-byte program memory are dropped. 0xB0 makes the staged bytes (up to the highest report
//    received, at most 1024) the kept program, on a machine reset to its power-on state; 0xA0
//    throws the staged bytes away. The protocol does not carry the program's length: the trailing
//    zeros of the last report (at most five) are taken as its filling, so that a program that runs
//    off its end ends there, as in the simulator. (The machine reads bytes past the end as zeros,
//    so a program whose own last bytes are zero differs only if it executes them as instructions.)
//  - Run (0x69) lets a held program go on. Restart (0x66) starts the program from the beginning as
//    GO does. Stop (0x67) ends the program (run light off, timer 0); the outputs stay as they are,
//    which is why "Stop servo / motor" follows it with SetActuator.
//  - Step (0x68) holds a running program; on a held one it executes one instruction; on a program
//    that is not running it starts it held at its first instruction. The answer is the program
//    counter afterwards. A held program's clock advances only with the steps it executes.
//  - SetActuator (0x65) sets a variable (below 128), the timer (128), the buzzer or LED (129, 130:
//    lowest bit) or a servo or motor channel directly, the reverse flag making the value negative.
//  - ReadRegister (0x39) answers those registers, clamped to 16 bits; ReadInputs (0x37) the raw
//    values of the three ports (1023 released, 0 pressed); ReadProgramCounter (0x38) the program
//    counter's low 16 bits.
//  - d0 of every answer repeats the command.

#include "bytecode/MachineClock.h"
#include "robot/RobotProtocol.h"

#include <string>

class RobotFirmware
{
public:
    RobotFirmware();

    // Handles one request; true when it has an answer, written to answer.
    bool Handle(const RobotReport& request, RobotReport& answer);
    // One slice of real time: up to steps machine steps while the program runs freely.
    void RunSlice(long steps);
    // Whether the program runs freely, so that real time moves it on.
    bool Running() const { return m_machine.GetRunState() == TamekMachine::Running && !m_held; }

    // The GO button: pressed arms an idle (or ended) robot, released starts the program.
    void SetGo(bool pressed);
    // Raw value 0-1023 of sensor port 1-3.
    void SetRawInput(int port, int raw) { m_machine.SetRawInput(port, raw); }

    const TamekMachine& Machine() const { return m_machine; }
    bool Held() const { return m_held; }
    int ProgramLength() const { return m_machine.Length(); }
    // The state as one JSON object: the fields of tamekc run (variables as an array by number),
    // then the robot's own.
    std::string StateJson() const;

private:
    void StartProgram();
    void ExecuteCommand(const RobotReport& request, RobotReport& answer);
    int ReadRegister(int number) const;
    void SetRegister(int number, int value);

    TamekMachine m_machine;
    MachineClock m_clock;
    bool m_held = false;
    long m_steps = 0; // since the program started
    unsigned char m_staging[TamekMachine::kImageCapacity] = {};
    int m_stagedLength = 0;
    long m_programReports = 0; // program data reports of the current staging
    RobotReport m_lastRequest{};
    long m_requests = 0;
};
