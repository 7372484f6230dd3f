#include "robot/RobotLink.h"

#include "robot/HidTransport.h"
#include "robot/VirtualRobotTransport.h"

#include <algorithm>
#include <cstdint>
#include <wx/intl.h>

namespace {
// A chatty device must not keep Exchange dropping stale answers for ever.
constexpr int kMaxStaleAnswers = 64;

int BigEndian16(const RobotReport& answer, int at)
{
    return answer[at] << 8 | answer[at + 1];
}
} // namespace

RobotLink::RobotLink() : RobotLink(std::make_unique<HidTransport>(), std::make_unique<VirtualRobotTransport>()) {}

RobotLink::RobotLink(std::unique_ptr<RobotTransport> robot, std::unique_ptr<RobotTransport> virtualRobot)
    : m_robot(std::move(robot)), m_virtual(std::move(virtualRobot))
{
}

RobotLink::~RobotLink()
{
    CloseActive();
}

void RobotLink::CloseActive()
{
    if (m_active)
        m_active->Close();
    m_active = nullptr;
}

void RobotLink::Open()
{
    for (RobotTransport* transport : {m_robot.get(), m_virtual.get()}) {
        FoundDevice found;
        if (!transport || !transport->Find(found)) {
            if (transport == m_active)
                CloseActive();
            continue;
        }
        if (transport == m_active && found.identity == m_device.identity && transport->IsOpen()) {
            m_state = RobotLinkState::Connected; // the same device: keep its handle
            return;
        }
        CloseActive();
        const OpenResult result = transport->Open(found);
        if (result == OpenResult::NotThere)
            continue;
        m_device = found;
        m_foundVirtual = transport->IsVirtual();
        if (result == OpenResult::Opened) {
            m_active = transport;
            m_state = RobotLinkState::Connected;
        } else {
            transport->Close();
            m_state = result == OpenResult::NoPermission ? RobotLinkState::NoPermission : RobotLinkState::OpenFailed;
        }
        return;
    }
    CloseActive();
    m_state = RobotLinkState::NotFound;
    m_device = FoundDevice();
    m_foundVirtual = false;
}

wxString RobotLink::ProblemMessage() const
{
    const wxString path = wxString::FromUTF8(m_device.path);
    if (m_state == RobotLinkState::NoPermission)
        return wxString::Format(
            wxGetTranslation(L"De robot is gevonden (%s), maar deze gebruiker mag hem niet openen. Installeer de "
                             L"udev-regel 70-tamek.rules (cmake --install doet dat; daarna 'udevadm control "
                             L"--reload' en 'udevadm trigger', of de robot opnieuw aansluiten) en meld u aan op "
                             L"de computer zelf: alleen wie aan de computer zit, krijgt toegang tot de robot."),
            path);
    if (m_state == RobotLinkState::OpenFailed)
        return wxString::Format(
            wxGetTranslation(L"De robot is gevonden (%s), maar kan niet geopend worden. Sluit de robot opnieuw aan."),
            path);
    return wxString();
}

bool RobotLink::SendReport(const RobotReport& report)
{
    return IsConnected() && m_active && m_active->IsOpen() && m_active->Write(report);
}

bool RobotLink::Exchange(const RobotReport& request, RobotReport& answer)
{
    answer.fill(0);
    if (!IsConnected() || !m_active || !m_active->IsOpen())
        return false;
    RobotReport stale;
    for (int i = 0; i < kMaxStaleAnswers && m_active->Read(stale, 0); ++i) {
    }
    m_silent = !m_active->Write(request) || !m_active->Read(answer, kAnswerTimeoutMs);
    if (m_silent) {
        answer.fill(0);
        m_silentAt = std::chrono::steady_clock::now();
    }
    return !m_silent;
}

bool RobotLink::RecentlySilent() const
{
    return m_silent && std::chrono::steady_clock::now() - m_silentAt < std::chrono::milliseconds(kSilencePauseMs);
}

bool RobotLink::Command(int code, int argument)
{
    RobotReport report{};
    report[0] = static_cast<unsigned char>(code);
    report[1] = static_cast<unsigned char>(argument);
    return SendReport(report);
}

bool RobotLink::Ask(int code, int argument, RobotReport& answer)
{
    RobotReport request{};
    request[0] = static_cast<unsigned char>(code);
    request[1] = static_cast<unsigned char>(argument);
    return Exchange(request, answer);
}

bool RobotLink::SendProgram(int reportNumber, const unsigned char* bytes, int count)
{
    RobotReport report{};
    report[0] = static_cast<unsigned char>(RobotCommand::ProgramData | ((reportNumber >> 8) & 0x1F));
    report[1] = static_cast<unsigned char>(reportNumber & 0xFF);
    std::copy(bytes, bytes + std::clamp(count, 0, kProgramBytesPerReport), report.begin() + 2);
    return SendReport(report);
}

bool RobotLink::EndUpload(bool flag)
{
    return Command(flag ? RobotCommand::EndUploadDone : RobotCommand::EndUploadAbandoned);
}

bool RobotLink::SetActuator(int registerNumber, int magnitude, bool reverse)
{
    RobotReport report{};
    report[0] = RobotCommand::SetActuator;
    report[1] = static_cast<unsigned char>(registerNumber);
    report[2] = static_cast<unsigned char>(magnitude & 0xFF);
    report[3] = static_cast<unsigned char>((magnitude >> 8) & 0xFF);
    report[4] = reverse ? 1 : 0;
    return SendReport(report);
}

bool RobotLink::Restart()
{
    return Command(RobotCommand::Restart);
}

bool RobotLink::Stop()
{
    return Command(RobotCommand::Stop);
}

bool RobotLink::Run()
{
    return Command(RobotCommand::Run);
}

bool RobotLink::Step(int& value)
{
    RobotReport answer;
    const bool answered = Ask(RobotCommand::Step, 0, answer);
    value = BigEndian16(answer, 1);
    return answered;
}

bool RobotLink::ReadInputs(RobotInputs& inputs)
{
    RobotReport answer;
    const bool answered = Ask(RobotCommand::ReadInputs, 0, answer);
    inputs = RobotInputs{BigEndian16(answer, 1), BigEndian16(answer, 3), BigEndian16(answer, 5)};
    return answered;
}

bool RobotLink::ReadProgramCounter(int& pc)
{
    RobotReport answer;
    const bool answered = Ask(RobotCommand::ReadProgramCounter, 0, answer);
    pc = BigEndian16(answer, 1);
    return answered;
}

bool RobotLink::ReadRegister(int registerNumber, int& value)
{
    RobotReport answer;
    const bool answered = Ask(RobotCommand::ReadRegister, registerNumber, answer);
    value = static_cast<int16_t>(BigEndian16(answer, 1));
    return answered;
}

bool RobotLink::SwitchOffOutputs(bool stopProgram)
{
    bool sent = !stopProgram || Stop();
    for (int number : {RobotRegister::Buzzer, RobotRegister::LedR, RobotRegister::Servo1, RobotRegister::Servo2,
                       RobotRegister::Motor2, RobotRegister::Motor1})
        sent = SetActuator(number, 0, false) && sent;
    return sent;
}

int RobotRegisterOfKind(const std::string& kindWord)
{
    static const std::pair<const char*, int> kWatched[] = {
        {"Wait", RobotRegister::Wait},     {"Buzzer", RobotRegister::Buzzer}, {"LedR", RobotRegister::LedR},
        {"Servo1", RobotRegister::Servo1}, {"Servo2", RobotRegister::Servo2}, {"Motor1", RobotRegister::Motor1},
        {"Motor2", RobotRegister::Motor2}};
    for (const auto& [word, number] : kWatched)
        if (kindWord == word)
            return number;
    return -1;
}
