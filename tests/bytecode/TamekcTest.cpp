// tamekc compile, disasm and run as a teacher uses them: exact output, exit statuses, messages.
#include "support/RunTamekc.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

using Result = testing_support::TamekcResult;
using testing_support::Slurp;
using testing_support::Tamekc;

std::string Data(const std::string& name)
{
    return std::string(TAMEK_TEST_DATA) + "/compile/" + name;
}

} // namespace

TEST(Tamekc, CompilePrintsHexOrWritesRawBytes)
{
    Result run = Tamekc("compile '" + Data("detector.tamek") + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Slurp(Data("detector.hex")));
    EXPECT_TRUE(run.err.empty());

    const std::string base = wxFileName::CreateTempFileName("tamekc-bin").ToStdString();
    const std::string out = base + ".bin";
    run = Tamekc("compile '" + Data("wait_stop.tamek") + "' -o '" + out + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    const std::string bytes = Slurp(out);
    std::string hex;
    char item[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(item, sizeof item, i ? " %02x" : "%02x", static_cast<unsigned char>(bytes[i]));
        hex += item;
    }
    EXPECT_EQ(hex + "\n", Slurp(Data("wait_stop.hex")));

    // The disassembler reads the raw image back.
    run = Tamekc("disasm '" + out + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("0062  7d 9b ff                   bra     -101 -> -3 (end)\n"), std::string::npos)
        << run.out;
    std::remove(out.c_str());
    std::remove(base.c_str());
}

TEST(Tamekc, CompileFailures)
{
    Result run = Tamekc("compile '" + Data("limit_993.tamek") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Code too long\n");
    EXPECT_TRUE(run.out.empty());
    run = Tamekc("compile '" + Data("missing.tamek") + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("missing.tamek"), std::string::npos);
    EXPECT_EQ(Tamekc("compile").status, 1);
    EXPECT_EQ(Tamekc("compile a.tamek b.tamek").status, 1);
    EXPECT_EQ(Tamekc("run '" + Data("limit_993.tamek") + "'").status, 1);
    EXPECT_EQ(Tamekc("disasm '" + Data("missing.bin") + "'").status, 2);
}

TEST(Tamekc, DisasmNamesTheBlockOfEveryAddress)
{
    const Result run = Tamekc("disasm '" + Data("detector.tamek") + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("0000  c8 01 10                   setr    reg[1], #16        ; Start Start\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("004e  75 17 00                   ble     +23 -> 0066        ; Detector1 Sensor1\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("0066  d6 07                      out     0x07 (red LED on)  ; LedR LedRood\n"),
              std::string::npos)
        << run.out;
}

TEST(Tamekc, RunReportsTheMachineAsJson)
{
    Result run = Tamekc("run '" + Data("wait_stop.tamek") + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\"ended\":true,\"steps\":6014,\"pc\":-3,\"timer\":12,\"buzzer\":0,\"led\":0,\"servo\":[0,0],"
                       "\"motor\":[0,0],\"a\":10,\"b\":2,\"variables\":{}}\n");

    run = Tamekc("run '" + Data("variables.tamek") + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"ended\":true"), std::string::npos);
    EXPECT_NE(run.out.find("\"variables\":{\"teller\":10,\"uit\":19}"), std::string::npos) << run.out;

    // A path without Stop never ends: the step limit is not an error.
    run = Tamekc("run '" + Data("forward.tamek") + "' --max-steps 5000 --steps-per-tick 100");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("{\"ended\":false,\"steps\":5000,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"timer\":100,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"motor\":[5,5]"), std::string::npos) << run.out;

    // Input 2 reads 1023 - raw of port 1: above the threshold 512 the buzzer path runs.
    run = Tamekc("run '" + Data("detector.tamek") + "' --input 1=0");
    EXPECT_NE(run.out.find("\"buzzer\":0,\"led\":0"), std::string::npos) << run.out;
    run = Tamekc("run '" + Data("detector.tamek") + "' --input 1=0 --max-steps 34");
    EXPECT_NE(run.out.find("\"buzzer\":1,\"led\":0"), std::string::npos) << run.out;
    run = Tamekc("run '" + Data("detector.tamek") + "' --max-steps 34");
    EXPECT_NE(run.out.find("\"buzzer\":0,\"led\":1"), std::string::npos) << run.out;

    for (const char* bad : {"--input 4=1", "--input 1=1024", "--input 1", "--max-steps -1", "--steps-per-tick 0",
                            "--max-steps x", "--frobnicate"}) {
        run = Tamekc("run '" + Data("wait_stop.tamek") + "' " + bad);
        EXPECT_EQ(run.status, 1) << bad;
        EXPECT_NE(run.err.find("Usage: tamekc run"), std::string::npos) << bad;
    }
}
