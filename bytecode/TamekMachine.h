#pragma once
// The byte-code machine: program memory, registers, flags, variables, setup registers, timer,
// outputs, actuator channels and inputs, with the run states that the GO button drives. One class
// serves the simulator, tamekc and the virtual robot.
//
// Safety rules (a random image can never make the machine misbehave):
//  - a variable load whose index is outside 0-127 (the emitters' 0xFF for a missing variable,
//    sign-extended to -1) reads 0; stores and actuator sources use the low seven bits of the index;
//  - operand bytes that lie past the end of the image read as 0;
//  - division by zero gives -1 and the flag N; arithmetic wraps at 32 bits;
//  - a channel whose input low equals its input high passes the clamped value through (servo) or
//    outputs its output low (motor).

#include "bytecode/InstructionSet.h"

#include <cstdint>

class TamekMachine
{
public:
    static constexpr int kImageCapacity = 1024;
    static constexpr int kVariableCount = 128;
    static constexpr int kSetupRegisterCount = 20;

    enum RunState : int
    {
        Idle = 0,
        Armed = 1,
        Running = 2,
        Ended = 5
    };
    enum Flag : int
    {
        Z = 1,
        P = 2,
        N = 4
    };
    enum OutputBit : int
    {
        RunLight = 1,
        Buzzer = 2,
        RedLed = 4
    };
    enum Direction : int
    {
        None = 0,
        Forward = 1,
        Backward = 2
    };

    struct Channel
    {
        int32_t lastWritten = 0;
        int32_t output = 0;
        int direction = None; // motors only
    };

    TamekMachine();

    // Copies an image (at most kImageCapacity bytes; a negative length counts as empty) into program memory.
    void LoadImage(const unsigned char* image, int length);
    int Length() const { return m_length; }
    const unsigned char* Memory() const { return m_memory; }

    // One step of the run-state machine; true while the machine runs.
    bool MachineStep();
    // Up to maxSteps steps in the running state, with the same effect as as many MachineStep calls;
    // stops early when the run ends (the ending step counts). Returns the steps taken.
    long RunSteps(long maxSteps);
    bool LastStepResult() const { return m_lastResult; }

    // Clears the buzzer, LED and bits 6-7 of the output byte and every channel.
    void OutputReset();
    // Clears the run light, the timer and its sub-count, the program counter and the run state; flags Z.
    void RunReset();
    // One 100 ms clock step: timer + 2, sub-count + 4700.
    void ClockTick();

    void SetGo(bool pressed) { m_go = pressed; }
    bool Go() const { return m_go; }
    // Raw value of sensor port 1-3 (0-1023); other ports are ignored.
    void SetRawInput(int port, int raw);
    int RawInput(int port) const { return port >= 1 && port <= 3 ? m_raw[port - 1] : 0; }
    // Input 0-5 as the program reads it: 1023 minus the raw value of its port; 0 for other numbers.
    int Input(int number) const;

    int GetRunState() const { return m_runState; }
    void SetRunState(int state) { m_runState = state; }
    int Pc() const { return m_pc; }
    void SetPc(int pc) { m_pc = pc; }
    int32_t A() const { return m_a; }
    int32_t B() const { return m_b; }
    void SetA(int32_t value) { m_a = value; }
    void SetB(int32_t value) { m_b = value; }
    int Flags() const { return m_flags; }
    int32_t Timer() const { return m_timer; }
    void SetTimer(int32_t value) { m_timer = value; }
    int32_t SubCount() const { return m_subCount; }
    int Outputs() const { return m_outputs; }
    bool BuzzerOn() const { return m_outputs & Buzzer; }
    bool RedLedOn() const { return m_outputs & RedLed; }
    bool RunLightOn() const { return m_outputs & RunLight; }
    // Variable 0-127 (0 for other indices).
    int32_t Variable(int index) const { return index >= 0 && index < kVariableCount ? m_variables[index] : 0; }
    void SetVariable(int index, int32_t value);
    // Setup register 1-20 (0 for other numbers).
    int32_t SetupRegister(int number) const;
    void SetSetupRegister(int number, int32_t value);
    const Channel& GetChannel(int channel) const { return m_channels[channel & 3]; }
    // As the robot's actuator command sets them, outside the program: an output bit (Buzzer,
    // RedLed) on or off; a channel's last-written and output value, a motor's output being the
    // magnitude and its direction following the sign (none for 0).
    void SetOutput(int bit, bool on) { m_outputs = on ? m_outputs | bit : m_outputs & ~bit; }
    void SetChannel(int channel, int32_t value);

private:
    // Bytes read past the image end are these zeros.
    static constexpr int kPadding = 16;

    // The registers an instruction works on, kept in locals while the machine runs.
    struct Hot
    {
        int pc;
        int32_t a, b;
        int flags;
    };
    void Execute();
    long Interpret(long maxSteps);
    template <int Opcode> void Step(Hot& h);
    void SetFlagsFrom(int32_t value) { m_flags = value == 0 ? Z : value > 0 ? P : N; }
    void WriteChannel(int channel, int32_t value);
    void WriteServo(int channel, int32_t value);
    void WriteMotor(int channel, int32_t value);
    int32_t ReadBigEndian(int offset, int width) const;

    // The dispatch entry of an address: its opcode inside the image, kEndOfImage after it.
    static constexpr int kEndOfImage = 256;

    unsigned char m_memory[kImageCapacity + kPadding] = {};
    uint16_t m_dispatch[kImageCapacity + kPadding] = {};
    int m_length = 0;
    int m_pc = 0;
    int32_t m_a = 0, m_b = 0;
    int m_flags = Z;
    int32_t m_variables[kVariableCount] = {};
    int32_t m_setup[kSetupRegisterCount + 1] = {}; // index 0 unused
    int32_t m_timer = 0;
    int32_t m_subCount = 0;
    int m_outputs = 0;
    Channel m_channels[4];
    int m_raw[3] = {1023, 1023, 1023};
    bool m_go = false;
    int m_runState = Idle;
    bool m_lastResult = false;
};

// The name of a run state: "idle", "armed", "running" or "ended".
const char* RunStateName(int state);
