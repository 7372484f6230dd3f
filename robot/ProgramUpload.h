#pragma once
// Uploading a compiled program into the robot, without a window: the caller shows the progress and
// the result. An upload that cannot finish (the robot unplugged or silent part way) is reported as
// RobotGone, never as Done.

#include <functional>

class RobotLink;

enum class UploadResult
{
    Done,          // every report went out, the robot still answers, the end of the upload was sent
    NothingToSend, // the program holds nothing beyond the Start block: nothing was sent
    Cancelled,     // the caller said stop: no end-of-upload report was sent
    RobotGone      // no robot, or it went away or stopped answering part way
};

// Called after each report of program data with the reports sent and their total, and once more
// after the robot was searched again at the end; returning false cancels the upload.
using UploadProgress = std::function<bool(int sent, int total)>;

// Sends image (length bytes) when it is longer than the Start block's own code (startCodeLength)
// plus 2: Stop, the program data in reports of six bytes, a new search of the robot, a pause of
// settleMs, a check that the robot answers, and the end of the upload (0xB0). A compiled image
// (at most 1024 bytes) fits the 8192 report numbers many times over.
UploadResult UploadProgram(RobotLink& link, const unsigned char* image, int length, int startCodeLength,
                           const UploadProgress& progress = UploadProgress(), int settleMs = 100);
