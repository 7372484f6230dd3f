// The recovery file: what is kept comes back exactly, and a damaged file is never taken.
#include "base/RecoveryFile.h"

#include <gtest/gtest.h>

namespace {
RecoveryRecord Sample()
{
    RecoveryRecord record;
    record.projectPath = wxString::FromUTF8("/home/leerling/100% werk\nmap/Stroomschema \xC5\x81\xC3\xB3"
                                            "d\xC5\xBA.tamek");
    record.savedAt = 1765000000;
    record.projectBytes = "Node: 0 => State Start: Position:300,40. Son \n\nNode: 1 \xE9\r\n";
    return record;
}
} // namespace

TEST(RecoveryFile, GivesBackExactlyWhatWasKeptAndRefusesEveryDamage)
{
    const std::string bytes = RecoveryFileBytes(Sample());
    RecoveryRecord read;
    ASSERT_TRUE(ParseRecoveryFile(bytes, read));
    EXPECT_EQ(read.projectPath, Sample().projectPath);
    EXPECT_EQ(read.savedAt, Sample().savedAt);
    EXPECT_EQ(read.projectBytes, Sample().projectBytes);

    std::string flipped = bytes;
    flipped[flipped.size() - 5] ^= 0x20;
    std::string header = bytes;
    header.replace(header.find("Time"), 4, "Tijd");
    const std::string damaged[] = {
        bytes.substr(0, bytes.size() - 1), bytes + "x", flipped, header, "Tamek recovery 2" + bytes.substr(16),
        bytes.substr(bytes.find("Path")),  ""};
    for (const std::string& file : damaged) {
        RecoveryRecord untouched;
        EXPECT_FALSE(ParseRecoveryFile(file, untouched)) << file;
        EXPECT_TRUE(untouched.projectBytes.empty());
    }
}
