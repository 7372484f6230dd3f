// The calibration record: access by index, the calibration lines, and the comparisons that decide
// what a file stores and what opening a project offers.

#include "calibration/CalibrationRecord.h"
#include "calibration/Settings.h"

#include <climits>
#include <gtest/gtest.h>
#include <wx/arrstr.h>

namespace {
CalibrationRecord Parsed(std::initializer_list<const char*> lines,
                         CalibrationRecord record = CalibrationRecord::Defaults())
{
    for (const char* line : lines)
        EXPECT_TRUE(record.ParseLine(line)) << line;
    return record;
}
} // namespace

TEST(CalibrationIndex, ReadsAndWritesByIndex)
{
    CalibrationRecord r = CalibrationRecord::Defaults();
    const int defaults[24] = {16, 108, -60, 60, 0,  0,  0,  60, 78, -60, 60, 0,
                              2,  2,   -1,  -1, -1, -1, 24, 49, 0,  24,  49, 0};
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(r.Get(i), defaults[i]) << "index " << i;
    for (int outside : {-1, 24, 1000})
        EXPECT_EQ(r.Get(outside), -1);
    EXPECT_TRUE(r.present);
    // Pulse writes follow the continuous bit in force; flag writes take bit 0 of the value.
    r.Set(0, 20);
    r.Set(5, 1); // servo 1 continuous now
    EXPECT_EQ(r.Get(5), 2);
    EXPECT_EQ(r.Get(0), 60);
    r.Set(0, 55);
    r.Set(1, 80);
    EXPECT_EQ(r.servo[0].pulseMinPositional, 20);
    EXPECT_EQ(r.servo[0].pulseMinContinuous, 55);
    EXPECT_EQ(r.servo[0].pulseMaxContinuous, 80);
    const int flagWrites[][2] = {{3, 3}, {2, 2}};
    for (const auto& [value, flags] : flagWrites) {
        r.Set(4, value);
        EXPECT_EQ(r.servo[0].flags, flags);
    }
    r.Set(5, 2); // bit 0 of the value is 0: continuous bit cleared
    EXPECT_EQ(r.servo[0].flags, 0);
    r.Set(13, 1); // servo 2 flags replaced: reversed, positional
    EXPECT_EQ(r.Get(12), 0);
    EXPECT_EQ(r.Get(11), 1);
    r.Set(8, 99);
    EXPECT_EQ(r.servo[1].pulseMaxPositional, 99);
    const int writes[][2] = {{2, -45}, {10, 70}, {18, 1}, {22, 7}, {23, 1}};
    for (const auto& [index, value] : writes) {
        r.Set(index, value);
        EXPECT_EQ(r.Get(index), value) << index;
    }
    EXPECT_EQ(r.motor[0].minimum, 1);
    EXPECT_EQ(r.motor[1].maximum, 7);
    EXPECT_EQ(r.motor[1].flags, 1);
    const CalibrationRecord before = r;
    for (int index : {-5, 14, 15, 16, 17, 24, 99})
        r.Set(index, 12345);
    EXPECT_EQ(r, before);
}

TEST(CalibrationLines, BlockDirectionWordAndRoundTrip)
{
    CalibrationRecord r = CalibrationRecord::Defaults();
    EXPECT_TRUE(CalibrationBlock(r).empty());
    r.Set(5, 1);
    EXPECT_EQ(CalibrationBlock(r), "dir:10\nSer1PwmMi:60\nSer1PwmMa:78\nSer1DegMi:-60\nSer1DegMa:60\nSer2PwmMi:60\n"
                                   "Ser2PwmMa:78\nSer2DegMi:-60\nSer2DegMa:60\nMotor1Mi:24\nMotor1Ma:49\nMotor2Mi:24\n"
                                   "Motor2Ma:49\n");
    // One bit per flag: servo 1 reversed 1, continuous 2; servo 2 4 and 8; motor 1 16, motor 2 32.
    CalibrationRecord flags = CalibrationRecord::Defaults();
    flags.Set(23, 1);
    EXPECT_TRUE(CalibrationBlock(flags).StartsWith("dir:40\n"));
    flags.Set(20, 1), flags.Set(4, 1), flags.Set(12, 0);
    EXPECT_TRUE(CalibrationBlock(flags).StartsWith("dir:49\n"));
    const CalibrationRecord back = Parsed({"dir:40"});
    EXPECT_EQ(back.motor[0].flags, 0);
    EXPECT_EQ(back.motor[1].flags, 1);
    EXPECT_EQ(back.servo[1].flags, 2);

    const int values[][2] = {{5, 1},   {0, 58},  {1, 81},  {2, -90}, {3, 75}, {13, 1},  {7, 12}, {8, 111},
                             {9, -30}, {10, 30}, {18, 20}, {19, 50}, {20, 1}, {21, 22}, {22, 48}};
    for (const auto& [index, value] : values)
        r.Set(index, value);
    CalibrationRecord read = CalibrationRecord::Defaults();
    for (const wxString& line : wxSplit(r.Lines(), '\n')) {
        if (!line.empty()) {
            EXPECT_TRUE(read.ParseLine(line)) << line;
        }
    }
    EXPECT_EQ(read, r);
}

TEST(CalibrationLines, ParsingIsUnanchoredForgivingAndInLineOrder)
{
    // Servo 1 is positional when its pulse line comes, so the value lands in the positional pair
    // although the later "dir:" line makes it continuous.
    CalibrationRecord order = Parsed({"Ser1PwmMi:30", "dir:10"});
    EXPECT_EQ(order.servo[0].pulseMinPositional, 30);
    EXPECT_EQ(order.servo[0].pulseMinContinuous, 60);
    EXPECT_EQ(order.Get(0), 60);

    CalibrationRecord r = Parsed({"  junk Motor2Ma:77 trailing", "Motor1Mi:abc", "Ser2DegMi:-33",
                                  "Ser1DegMa:99999999999999999999", "Ser1DegMi:2147483648", "Motor1Ma:"});
    EXPECT_EQ(r.motor[1].maximum, 77);
    EXPECT_EQ(r.motor[0].minimum, 0); // not a number: 0
    EXPECT_EQ(r.servo[1].angleMin, -33);
    EXPECT_EQ(r.servo[0].angleMax, 0); // out of range: 0
    EXPECT_EQ(r.servo[0].angleMin, 0);
    EXPECT_EQ(r.motor[0].maximum, 0);
    r = Parsed({"Ser1DegMi:-2147483648", "dir:-1"}, r);
    EXPECT_EQ(r.servo[0].angleMin, INT_MIN);
    EXPECT_EQ(r.DirectionWord(), 63); // every flag bit set
    const CalibrationRecord before = r;
    for (const char* other : {"", "Ser3PwmMi:5", "Motor3Mi:5", "DIR:4", "Node: 0 => Start. ", "ser1pwmmi:4"})
        EXPECT_FALSE(r.ParseLine(other)) << other;
    EXPECT_EQ(r, before);
    r = Parsed({"dir:0 Motor1Mi:9"}, r); // one line naming two keys stores both
    EXPECT_EQ(r.DirectionWord(), 0);
    EXPECT_EQ(r.motor[0].minimum, 9);
}

TEST(CalibrationCompare, WhatAFileStoresAndWhatAProjectOffers)
{
    const CalibrationRecord d = CalibrationRecord::Defaults();
    // Against the defaults, angles count only for a servo positional in the defaults (servo 1), and
    // pulses only of the pair the defaults' continuous bit selects.
    CalibrationRecord same = d;
    same.servo[1].angleMin = 0;
    same.servo[1].pulseMinPositional = 1;
    same.servo[0].pulseMinContinuous = 1;
    same.present = false;
    EXPECT_FALSE(same.DiffersFromDefaults(d));
    EXPECT_TRUE(CalibrationBlock(same).empty());
    CalibrationRecord changed[4] = {d, d, d, d};
    changed[0].servo[0].angleMax = 61;
    changed[1].servo[1].pulseMaxContinuous = 79;
    changed[2].servo[1].flags = 0;
    changed[3].motor[1].minimum = 25;
    for (const CalibrationRecord& record : changed)
        EXPECT_TRUE(record.DiffersFromDefaults(d));

    // A project is offered when it carried a calibration differing in anything but the angles,
    // compared in the pair its own continuous bit selects.
    CalibrationRecord current = d, project = d;
    project.servo[0].angleMin = -90;
    EXPECT_FALSE(ShouldOfferProjectCalibration(current, project));
    project.servo[0].pulseMaxPositional = 100;
    EXPECT_TRUE(ShouldOfferProjectCalibration(current, project));
    project.present = false;
    EXPECT_FALSE(ShouldOfferProjectCalibration(current, project));
    CalibrationRecord continuous = d;
    continuous.servo[0].flags = 2;
    current.servo[0].flags = 2;
    current.servo[0].pulseMinPositional = 1;
    EXPECT_FALSE(ShouldOfferProjectCalibration(current, continuous));
    current.servo[0].pulseMinContinuous = 61;
    EXPECT_TRUE(ShouldOfferProjectCalibration(current, continuous));
}

TEST(CalibrationCompare, TakingTheProjectKeepsTheAngleLimits)
{
    CalibrationRecord current = CalibrationRecord::Defaults();
    current.servo[0].angleMin = -45;
    current.servo[1].angleMax = 30;
    CalibrationRecord project = Parsed(
        {"dir:53", "Ser1PwmMi:11", "Ser1PwmMa:99", "Ser1DegMi:-90", "Ser2PwmMi:62", "Motor1Mi:5", "Motor2Ma:60"});
    project.servo[0].pulseMinContinuous = 3;
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
}
