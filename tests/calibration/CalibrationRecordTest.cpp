#include "calibration/CalibrationRecord.h"
#include "calibration/Settings.h"

#include <climits>
#include <gtest/gtest.h>
#include <wx/arrstr.h>

namespace {
CalibrationRecord Defaults()
{
    return CalibrationRecord::Defaults();
}

CalibrationRecord ParseAll(std::initializer_list<const char*> lines, CalibrationRecord record = Defaults())
{
    for (const char* line : lines)
        record.ParseLine(line);
    return record;
}
} // namespace

TEST(CalibrationIndex, ReadsTheDefaultsByIndex)
{
    const CalibrationRecord d = Defaults();
    const int expected[24] = {16, 108, -60, 60, 0,  0,  0,  60, 78, -60, 60, 0,
                              2,  2,   -1,  -1, -1, -1, 24, 49, 0,  24,  49, 0};
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(d.Get(i), expected[i]) << "index " << i;
    EXPECT_EQ(d.Get(-1), -1);
    EXPECT_EQ(d.Get(24), -1);
    EXPECT_EQ(d.Get(1000), -1);
    EXPECT_TRUE(d.present);
}

TEST(CalibrationIndex, WritesFollowTheContinuousBitAndFlagBits)
{
    CalibrationRecord r = Defaults();
    r.Set(0, 20); // servo 1 positional
    r.Set(5, 1);  // servo 1 continuous now
    EXPECT_EQ(r.Get(5), 2);
    EXPECT_EQ(r.Get(0), 60);
    r.Set(0, 55);
    r.Set(1, 80);
    EXPECT_EQ(r.servo[0].pulseMinPositional, 20);
    EXPECT_EQ(r.servo[0].pulseMinContinuous, 55);
    EXPECT_EQ(r.servo[0].pulseMaxContinuous, 80);
    r.Set(4, 3); // bit 0 from bit 0 of the value, bit 1 kept
    EXPECT_EQ(r.servo[0].flags, 3);
    r.Set(4, 2);
    EXPECT_EQ(r.servo[0].flags, 2);
    r.Set(5, 2); // bit 0 of the value is 0: continuous bit cleared
    EXPECT_EQ(r.servo[0].flags, 0);
    r.Set(13, 1); // servo 2 flags replaced
    EXPECT_EQ(r.Get(12), 0);
    EXPECT_EQ(r.Get(11), 1);
    r.Set(8, 99); // servo 2 now positional
    EXPECT_EQ(r.servo[1].pulseMaxPositional, 99);
    r.Set(2, -45);
    r.Set(10, 70);
    r.Set(18, 1);
    r.Set(22, 7);
    r.Set(23, 1);
    EXPECT_EQ(r.Get(2), -45);
    EXPECT_EQ(r.Get(10), 70);
    EXPECT_EQ(r.motor[0].minimum, 1);
    EXPECT_EQ(r.motor[1].maximum, 7);
    EXPECT_EQ(r.motor[1].flags, 1);
    const CalibrationRecord before = r;
    for (int index : {-5, 14, 15, 16, 17, 24, 99})
        r.Set(index, 12345);
    EXPECT_EQ(r, before);
}

TEST(CalibrationLines, ServoOneContinuousWritesDirTenAndTheContinuousPair)
{
    CalibrationRecord r = Defaults();
    r.Set(5, 1);
    EXPECT_EQ(CalibrationBlock(r), "dir:10\n"
                                   "Ser1PwmMi:60\n"
                                   "Ser1PwmMa:78\n"
                                   "Ser1DegMi:-60\n"
                                   "Ser1DegMa:60\n"
                                   "Ser2PwmMi:60\n"
                                   "Ser2PwmMa:78\n"
                                   "Ser2DegMi:-60\n"
                                   "Ser2DegMa:60\n"
                                   "Motor1Mi:24\n"
                                   "Motor1Ma:49\n"
                                   "Motor2Mi:24\n"
                                   "Motor2Ma:49\n");
    EXPECT_TRUE(CalibrationBlock(Defaults()).empty());
}

TEST(CalibrationLines, DirectionWordPacksOneBitPerMotor)
{
    CalibrationRecord motor2 = Defaults();
    motor2.Set(23, 1);
    EXPECT_TRUE(CalibrationBlock(motor2).StartsWith("dir:40\n"));
    CalibrationRecord back = ParseAll({"dir:40"});
    EXPECT_EQ(back.motor[0].flags, 0);
    EXPECT_EQ(back.motor[1].flags, 1);
    EXPECT_EQ(back.servo[1].flags, 2);

    CalibrationRecord many = Defaults();
    many.Set(20, 1);
    many.Set(23, 1);
    many.Set(4, 1);
    many.Set(12, 0);
    EXPECT_TRUE(CalibrationBlock(many).StartsWith("dir:49\n"));
    EXPECT_EQ(ParseAll({"dir:49"}, Defaults()).DirectionWord(), 49);
}

TEST(CalibrationLines, RoundTripThroughTheParser)
{
    CalibrationRecord r = Defaults();
    r.Set(5, 1);
    r.Set(0, 58);
    r.Set(1, 81);
    r.Set(2, -90);
    r.Set(3, 75);
    r.Set(13, 1); // servo 2 positional, reversed
    r.Set(7, 12);
    r.Set(8, 111);
    r.Set(9, -30);
    r.Set(10, 30);
    r.Set(18, 20);
    r.Set(19, 50);
    r.Set(20, 1);
    r.Set(21, 22);
    r.Set(22, 48);
    CalibrationRecord back = Defaults();
    for (const wxString& line : wxSplit(r.Lines(), '\n')) {
        if (!line.empty()) {
            EXPECT_TRUE(back.ParseLine(line)) << line;
        }
    }
    EXPECT_EQ(back, r);
}

TEST(CalibrationLines, DirAfterPulseStoresIntoThePairInForceBefore)
{
    // Servo 1 is positional by default, so the pulse value lands in the positional pair although
    // the later "dir:" line makes it continuous.
    CalibrationRecord r = ParseAll({"Ser1PwmMi:30", "dir:10"});
    EXPECT_EQ(r.servo[0].pulseMinPositional, 30);
    EXPECT_EQ(r.servo[0].pulseMinContinuous, 60);
    EXPECT_EQ(r.servo[0].flags, 2);
    EXPECT_EQ(r.Get(0), 60);
}

TEST(CalibrationLines, ParsingIsUnanchoredAndForgiving)
{
    CalibrationRecord r = Defaults();
    EXPECT_TRUE(r.ParseLine("  junk Motor2Ma:77 trailing"));
    EXPECT_EQ(r.motor[1].maximum, 77);
    EXPECT_TRUE(r.ParseLine("Motor1Mi:abc"));
    EXPECT_EQ(r.motor[0].minimum, 0);
    EXPECT_TRUE(r.ParseLine("Ser2DegMi:-33"));
    EXPECT_EQ(r.servo[1].angleMin, -33);
    EXPECT_TRUE(r.ParseLine("Ser1DegMa:99999999999999999999"));
    EXPECT_EQ(r.servo[0].angleMax, 0);
    EXPECT_TRUE(r.ParseLine("Ser1DegMi:2147483648"));
    EXPECT_EQ(r.servo[0].angleMin, 0);
    EXPECT_TRUE(r.ParseLine("Ser1DegMi:-2147483648"));
    EXPECT_EQ(r.servo[0].angleMin, INT_MIN);
    EXPECT_TRUE(r.ParseLine("Motor1Ma:"));
    EXPECT_EQ(r.motor[0].maximum, 0);
    EXPECT_TRUE(r.ParseLine("dir:-1")); // every flag bit set
    EXPECT_EQ(r.DirectionWord(), 63);
    const CalibrationRecord before = r;
    for (const char* other : {"", "Ser3PwmMi:5", "Motor3Mi:5", "DIR:4", "Node: 0 => Start. ", "ser1pwmmi:4"})
        EXPECT_FALSE(r.ParseLine(other)) << other;
    EXPECT_EQ(r, before);
    // One line naming two keys stores both.
    EXPECT_TRUE(r.ParseLine("dir:0 Motor1Mi:9"));
    EXPECT_EQ(r.DirectionWord(), 0);
    EXPECT_EQ(r.motor[0].minimum, 9);
}

TEST(CalibrationCompare, DefaultsRuleCountsAnglesOnlyOfPositionalServos)
{
    const CalibrationRecord d = Defaults();
    CalibrationRecord r = d;
    EXPECT_FALSE(r.DiffersFromDefaults(d));
    r.servo[1].angleMin = 0; // servo 2 is continuous in the defaults
    r.servo[1].pulseMinPositional = 1;
    r.servo[0].pulseMinContinuous = 1; // servo 1 is positional in the defaults
    r.present = false;
    EXPECT_FALSE(r.DiffersFromDefaults(d));
    EXPECT_TRUE(CalibrationBlock(r).empty());
    CalibrationRecord angle = d;
    angle.servo[0].angleMax = 61;
    EXPECT_TRUE(angle.DiffersFromDefaults(d));
    CalibrationRecord pulse = d;
    pulse.servo[1].pulseMaxContinuous = 79;
    EXPECT_TRUE(pulse.DiffersFromDefaults(d));
    CalibrationRecord flags = d;
    flags.servo[1].flags = 0;
    EXPECT_TRUE(flags.DiffersFromDefaults(d));
    CalibrationRecord motor = d;
    motor.motor[1].minimum = 25;
    EXPECT_TRUE(motor.DiffersFromDefaults(d));
}

TEST(CalibrationCompare, ProjectRuleIgnoresAnglesAndUsesTheProjectsPair)
{
    CalibrationRecord current = Defaults();
    CalibrationRecord project = Defaults();
    project.present = true;
    project.servo[0].angleMin = -90;
    project.servo[0].angleMax = 90;
    EXPECT_FALSE(current.DiffersFromProject(project));
    EXPECT_FALSE(ShouldOfferProjectCalibration(current, project));

    project.servo[0].pulseMaxPositional = 100;
    EXPECT_TRUE(ShouldOfferProjectCalibration(current, project));
    project.present = false;
    EXPECT_FALSE(ShouldOfferProjectCalibration(current, project));

    // The pair the project's own continuous bit selects is compared.
    CalibrationRecord continuous = Defaults();
    continuous.present = true;
    continuous.servo[0].flags = 2;
    current.servo[0].flags = 2;
    current.servo[0].pulseMinPositional = 1;
    EXPECT_FALSE(ShouldOfferProjectCalibration(current, continuous));
    current.servo[0].pulseMinContinuous = 61;
    EXPECT_TRUE(ShouldOfferProjectCalibration(current, continuous));
}

TEST(CalibrationCompare, TakingTheProjectKeepsTheAngleLimits)
{
    CalibrationRecord current = Defaults();
    current.servo[0].angleMin = -45;
    current.servo[1].angleMax = 30;
    CalibrationRecord project = ParseAll(
        {"dir:53", "Ser1PwmMi:11", "Ser1PwmMa:99", "Ser1DegMi:-90", "Ser2PwmMi:62", "Motor1Mi:5", "Motor2Ma:60"});
    project.servo[0].pulseMinContinuous = 3;
    project.present = true;
    current.TakeFromProject(project);
    EXPECT_EQ(current.DirectionWord(), 53);
    EXPECT_EQ(current.servo[0].pulseMinPositional, 11);
    EXPECT_EQ(current.servo[0].pulseMaxPositional, 99);
    EXPECT_EQ(current.servo[0].pulseMinContinuous, 3);
    EXPECT_EQ(current.servo[1].pulseMinPositional, 62);
    EXPECT_EQ(current.servo[0].angleMin, -45);
    EXPECT_EQ(current.servo[1].angleMax, 30);
    EXPECT_EQ(current.motor[0].minimum, 5);
    EXPECT_EQ(current.motor[1].maximum, 60);
    EXPECT_FALSE(current.DiffersFromProject(project));
    EXPECT_TRUE(current.present);
}

TEST(CalibrationRecords, ThreeRecordsStartFromTheDefaults)
{
    EXPECT_EQ(DefaultCalibration(), Defaults());
    EXPECT_FALSE(ProjectCalibration().present);
    EXPECT_FALSE(ProjectCalibration().DiffersFromDefaults(DefaultCalibration()));
    EXPECT_TRUE(CurrentCalibration().present);
    ProjectCalibration().ParseLine("Motor1Mi:3");
    ProjectCalibration().present = true;
    ResetProjectCalibration();
    EXPECT_FALSE(ProjectCalibration().present);
    EXPECT_EQ(ProjectCalibration().motor[0].minimum, 24);
}
