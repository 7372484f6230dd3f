// The block kinds and their prototypes: words, questions, factories, step relations, names the file
// gives back, the calibration applied to the servo and motor kinds, and the program's graph helpers.

#include "calibration/CalibrationRecord.h"
#include "model/KindCalibration.h"
#include "model/Names.h"
#include "support/Blocks.h"
#include "support/EditingGraphCheck.h"

#include <gtest/gtest.h>
#include <set>

using namespace testing_support;

namespace {
struct ProgramFixture : ::testing::Test
{
    CProgram program;
    void SetUp() override { program.EnsureRoot(); }
    void TearDown() override { program.ResetPrototypeNames(); }
};
} // namespace

TEST(Kinds, WordsCategoriesMasksAndQuestions)
{
    CState* wait = Proto(KindId::Wait);
    EXPECT_EQ(wait->GetKindWord(), "Wait");
    EXPECT_EQ(wait->GetDisplayName(), "Wacht");
    EXPECT_EQ(wait->GetCategory(), Category::Action);
    EXPECT_EQ(wait->GetConnectorMask(), 0x96);
    EXPECT_EQ(wait->GetParameterIndex(), 0);
    EXPECT_EQ(wait->ParameterMaximum(), 20000);
    EXPECT_EQ(Proto(KindId::TurnLeft)->GetDisplayName(), "TourneDroite");
    EXPECT_EQ(Proto(KindId::TurnLeft)->GetPrompt(), wxString(L"Stel verdraaiingshoek in [-90\u00b0 ; 90\u00b0]:"));
    EXPECT_EQ(Proto(KindId::Repeat)->GetPrompt(), wxString(L"Entrez le nombre de r\u00e9petition:"));
    EXPECT_EQ(Proto(KindId::LinkFullH)->GetKindWord(), "Link");
    EXPECT_EQ(Proto(KindId::LinkFullH)->GetConnectorMask(), 0x90);
    EXPECT_EQ(Proto(KindId::Var)->GetCategory(), Category::Variable);
    EXPECT_TRUE(Proto(KindId::Stop)->GetPrompt().empty());
    // The palette pages in their order: 9 actions, 4 more, 7 sensors, 12 link pieces.
    const Prototypes& registry = Prototypes::Get();
    EXPECT_EQ(registry.At(PalettePage::Action, 8), Proto(KindId::Stop));
    EXPECT_EQ(registry.At(PalettePage::Sensor, 5), Proto(KindId::Var));
    EXPECT_EQ(registry.LinkPrototype(), registry.At(PalettePage::Link, 11));
    std::set<int> ids;
    for (PalettePage page : {PalettePage::Action, PalettePage::Action2, PalettePage::Sensor, PalettePage::Link})
        for (CState* prototype : registry.Page(page))
            ids.insert(prototype->GetPrototypeId());
    EXPECT_EQ(ids.size(), 32u);
    EXPECT_EQ(registry.NamedPrototypes().size(), 12u);
    EXPECT_EQ(registry.NamedPrototypes()[7], Proto(KindId::Switch1));
}

TEST(Kinds, TheCalibrationReachesTheServoAndMotorKinds)
{
    CalibrationRecord calibration = CalibrationRecord::Defaults(); // servo 2 continuous
    calibration.servo[0].angleMin = -45;
    calibration.servo[0].angleMax = 30;
    calibration.motor[1].flags = 1;
    ApplyCalibrationToKinds(calibration);
    CState* servo2 = Make("Servo2");
    EXPECT_EQ(servo2->GetPrompt(), "Stel snelheidsindicatie in [-10 ; 10]:");
    EXPECT_EQ(servo2->ParameterMinimum(), -10);
    EXPECT_EQ(servo2->ParameterMaximum(), 10);
    EXPECT_EQ(Proto(KindId::Servo2)->GetCalibrationInt(0), 60); // the continuous pulse pair
    EXPECT_EQ(Proto(KindId::Servo2)->GetCalibrationInt(1), 78);
    EXPECT_EQ(Proto(KindId::Servo1)->GetPrompt(), wxString(L"Stel verdraaiingshoek in [-45\u00b0 ; 30\u00b0]:"));
    EXPECT_EQ(Proto(KindId::Servo1)->GetCalibrationInt(0), 16);
    EXPECT_EQ(Proto(KindId::Motor2)->CalibrationModeBits(), 1);
    EXPECT_TRUE(Proto(KindId::Motor2)->GetCalibrationFlag());
    EXPECT_EQ(Proto(KindId::Motor1)->GetCalibrationInt(1), 49);
    // A servo made positional again asks an angle in its limits.
    calibration.servo[1].flags = 0;
    ApplyCalibrationToKinds(calibration);
    EXPECT_EQ(servo2->GetPrompt(), wxString(L"Stel verdraaiingshoek in [-60\u00b0 ; 60\u00b0]:"));
    delete servo2;
    ApplyCalibrationToKinds(CalibrationRecord::Defaults());
}

TEST(Names, OnlyNamesTheFileGivesBackWholeAreTaken)
{
    for (const char* good : {"teller", "x_9", "Linker_motor", "Son", "A1"})
        EXPECT_TRUE(CheckStorableName(good)) << good;
    CState* motor = Proto(KindId::Motor1);
    CState* variable = Make("Variable");
    for (const wchar_t* bad : {L"Linker motor", L"snelheid-links", L"caf\u00e9", L"", L"a.b"}) {
        const NameCheck check = SetStorableName(*motor, bad);
        EXPECT_FALSE(check) << wxString(bad);
        EXPECT_FALSE(SetStorableName(*variable, bad));
        EXPECT_FALSE(check.Message().empty());
    }
    EXPECT_EQ(motor->GetName(), "Motor1");
    EXPECT_EQ(SetStorableName(*motor, L"Linker motor").character, wxUniChar(' '));
    EXPECT_EQ(SetStorableName(*motor, L"").verdict, NameCheck::Empty);
    EXPECT_NE(SetStorableName(*motor, L"a-b").Message().Find("'-'"), wxNOT_FOUND);
    EXPECT_TRUE(SetStorableName(*variable, "snelheid_links"));
    EXPECT_TRUE(SetStorableName(*motor, "Links"));
    EXPECT_EQ(motor->GetName(), "Links");
    // A name in use is found by the prototype that carries it, whatever its case; Stop keeps no name.
    EXPECT_EQ(PrototypeNamed("LINKS"), motor);
    EXPECT_EQ(PrototypeNamed("motor1"), nullptr);
    EXPECT_EQ(PrototypeNamed("zoemer"), Proto(KindId::Buzzer));
    EXPECT_EQ(PrototypeNamed("Stop"), nullptr);
    motor->SetName(motor->GetDefaultName());
    delete variable;
}

TEST(Factories, PrototypesByNameAndBlocksByFileWord)
{
    CState* wait = Proto(KindId::Wait);
    EXPECT_EQ(PrototypeByName("wait"), wait);
    EXPECT_EQ(PrototypeByName("WAIT"), wait);
    EXPECT_EQ(PrototypeByName("LinkTopLeft"), Prototypes::Get().LinkPrototype());
    EXPECT_EQ(PrototypeByName("linkhalf"), Prototypes::Get().LinkPrototype());
    EXPECT_EQ(PrototypeByName("nothing"), nullptr);
    CState* a = PrototypeByName("Start");
    CState* b = PrototypeByName("start");
    EXPECT_NE(a, b);
    delete a;
    delete b;

    CProgram program;
    CState* half = BlockFromFileWord("LinkHalf", program);
    EXPECT_TRUE(half->IsHalf());
    // Each link word gives its kind's mask; "Link" keeps the four-way one.
    for (KindId kind : {KindId::LinkFullH, KindId::LinkTopRight, KindId::LinkTopLeftBottom, KindId::Link}) {
        CState* piece = BlockFromFileWord(KindOf(kind).name, program);
        EXPECT_EQ(piece->GetConnectorMask(), KindOf(kind).mask) << KindOf(kind).className;
        delete piece;
    }
    CState* variable = BlockFromFileWord("Variable", program);
    EXPECT_EQ(variable->GetVariableIndex(), 0);
    EXPECT_EQ(program.GetNextVariableIndex(), 1);
    EXPECT_EQ(BlockFromFileWord("Nope", program), nullptr);
    program.Variables().Clear();
    delete half;
    delete variable;
}

TEST(Compatibility, StepListsOfTheActionPrototypes)
{
    CState* forward = Proto(KindId::Forward);
    const int backward = Proto(KindId::Backward)->GetPrototypeId();
    EXPECT_TRUE(forward->IsCompatible(0, forward->GetPrototypeId()));
    EXPECT_TRUE(forward->IsCompatible(3, forward->GetPrototypeId()));
    EXPECT_TRUE(forward->IsCompatible(0, backward));
    EXPECT_TRUE(forward->IsCompatible(2, backward));
    EXPECT_FALSE(forward->IsCompatible(1, backward));
    EXPECT_TRUE(Proto(KindId::TurnRight)->IsCompatible(0, Proto(KindId::TurnLeft)->GetPrototypeId()));
    EXPECT_TRUE(Proto(KindId::Stop)->IsCompatible(2, Proto(KindId::Stop)->GetPrototypeId()));
    EXPECT_EQ(Proto(KindId::Motor1)->GetCompatibleIds(0).GetCount(), 0u);
}

TEST(Blocks, NamesConditionsAddressesAndLinkSides)
{
    CState* clone = Make("Switch1");
    Proto(KindId::Switch1)->SetName("Bumper");
    EXPECT_EQ(clone->ResolvedName(), "Bumper"); // sensors follow the prototype
    Proto(KindId::Switch1)->SetName(Proto(KindId::Switch1)->GetDefaultName());
    clone->SetConditionOperator("~");
    EXPECT_EQ(clone->ConditionCode(), "NEQ");
    clone->SetConditionFromCode("XYZ");
    EXPECT_EQ(clone->GetConditionOperator(), "==");
    // Son exit bottom, branch exit right; moving the son exit onto the right keeps that connector.
    clone->SetSonExitSide(Direction::Right);
    EXPECT_EQ(Connector::Right(clone->GetConnectorMask()), 1);
    EXPECT_EQ(Connector::Bottom(clone->GetConnectorMask()), 0);
    // An empty block covers one address.
    clone->SetCodeAddress(10);
    CState* out = nullptr;
    EXPECT_FALSE(clone->ContainsAddress(10, out));
    EXPECT_EQ(out, clone);
    EXPECT_TRUE(clone->ContainsAddress(11, out));

    CState* parent = Make("Wait");
    CState* piece = Make("Link");
    CState* son = Make("Buzzer");
    parent->SetPosition(100, 100);
    piece->SetPosition(100, 160);
    son->SetPosition(160, 160);
    piece->SetParent(parent);
    piece->RecomputeLinkSides();
    EXPECT_EQ(piece->GetConnectorMask() & 0x96, 0x06); // parent above, a loose end below
    piece->SetSon(son);
    piece->RecomputeLinkSides();
    EXPECT_EQ(piece->GetConnectorMask() & 0x96, 0x12);
    EXPECT_EQ(piece->GetSideSet(), SideSet::Top | SideSet::Right);
    piece->DisconnectSides(1, 0);
    EXPECT_EQ(Connector::Right(piece->GetConnectorMask()), 0);
    for (CState* block : {clone, parent, piece, son})
        delete block;
}

TEST_F(ProgramFixture, InsertAfterSwapInPlaceAndSearches)
{
    CState* root = program.GetRoot();
    CState* a = Make("Wait");
    CState* b = Make("Buzzer");
    program.InsertAfter(a, root, true);
    program.InsertAfter(b, root, true); // the former son moves behind
    EXPECT_EQ(root->GetSon(), b);
    EXPECT_EQ(b->GetSon(), a);
    EXPECT_EQ(a->GetParent(), b);
    // A block that already has a parent gets the new predecessor as an extra parent.
    CState* c = Make("LedR");
    program.InsertAfter(c, a, false);
    program.InsertAfter(c, b, false);
    EXPECT_EQ(c->GetParent(), a);
    EXPECT_EQ(c->GetExtraParent(0), b);
    b->SetBranchSon(0, nullptr);
    c->SetExtraParent(0, nullptr);
    a->SetBranchSon(0, nullptr);
    delete c;

    // Swapping exchanges position and links.
    CState* stop = Make("Stop");
    a->SetPosition(577, 168);
    stop->SetPosition(900, 900);
    a->SetSideSet(SideSet::Top);
    program.SwapInPlace(a, stop);
    EXPECT_EQ(b->GetSon(), stop);
    EXPECT_EQ(stop->GetParent(), b);
    EXPECT_EQ(stop->GetX(), 577);
    EXPECT_EQ(a->GetX(), 900);
    EXPECT_EQ(a->GetParent(), nullptr);
    EXPECT_EQ(stop->GetSideSet() & 1, 1);
    delete a;

    // Searches do not follow loops, and deleting stops at them.
    Join(stop, b);
    b->SetNodeNumber(7);
    EXPECT_EQ(program.FindByNodeNumber(7), b);
    EXPECT_EQ(program.FindByNodeNumber(99), nullptr);
    program.DeleteSubtree(b);
    EXPECT_EQ(b->GetSon(), nullptr);
    EXPECT_EQ(b->GetExtraParent(0), nullptr);
    program.Clear();
    EXPECT_EQ(root->GetSon(), nullptr);
}

TEST_F(ProgramFixture, PrototypeNamesResetAndVariablesLeaveTheListWithTheirBlocks)
{
    Proto(KindId::Motor1)->SetName("Links");
    Proto(KindId::Stop)->SetName("End");
    program.ResetPrototypeNames();
    EXPECT_EQ(Proto(KindId::Motor1)->GetName(), "Motor1");
    EXPECT_EQ(Proto(KindId::Stop)->GetName(), "Stop");

    CState* other = Son(program.GetRoot(), Make("Variable"));
    other->SetName("x");
    other->SetVariableIndex(0);
    CState* listed = BlockFromFileWord("Variable", program);
    listed->SetName("x");
    program.InsertAfter(listed, other, true);
    // The listed assignment goes: the other assignment of x takes its entry and index.
    program.Unlink(listed);
    ASSERT_EQ(program.Variables().GetCount(), 1u);
    EXPECT_EQ(program.Variables().GetFirst()->GetData(), other);
    EXPECT_EQ(program.VariableIndex("x"), 0);
    program.Clear();
    EXPECT_EQ(program.Variables().GetCount(), 0u);
}
