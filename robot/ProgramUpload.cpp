#include "robot/ProgramUpload.h"

#include "robot/RobotLink.h"

#include <algorithm>
#include <chrono>
#include <thread>

UploadResult UploadProgram(RobotLink& link, const unsigned char* image, int length, int startCodeLength,
                           const UploadProgress& progress, int settleMs)
{
    if (!image || length <= startCodeLength + 2)
        return UploadResult::NothingToSend;
    const int total = (length + kProgramBytesPerReport - 1) / kProgramBytesPerReport;
    if (!link.IsConnected() || !link.Stop())
        return UploadResult::RobotGone;
    for (int number = 0; number < total; ++number) {
        const int offset = number * kProgramBytesPerReport;
        if (!link.SendProgram(number, image + offset, std::min(kProgramBytesPerReport, length - offset)))
            return UploadResult::RobotGone;
        if (progress && !progress(number + 1, total))
            return UploadResult::Cancelled;
    }
    // The robot must still be there, and answer, before the upload counts as done.
    link.Open();
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(0, settleMs)));
    if (!link.IsConnected())
        return UploadResult::RobotGone;
    if (progress && !progress(total, total))
        return UploadResult::Cancelled;
    int pc = 0;
    if (!link.ReadProgramCounter(pc) || !link.EndUpload(true))
        return UploadResult::RobotGone;
    return UploadResult::Done;
}
