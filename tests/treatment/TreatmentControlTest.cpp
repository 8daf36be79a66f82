#include <gtest/gtest.h>

#include <string_view>

#include "MinutesConversion.h"
#include "TreatmentControl.h"
#include "TreatmentFakes.h"

namespace farb {
namespace {

using testing::FakeTimer;
using testing::FakeView;
using testing::RecordingLamp;

constexpr std::string_view kLines[] = {
    "Erste\t\t\t",
    "Adipositas\tgr\xFCn\t5\tgelb\t3\torange\t3\tgelb\t3\tgr\xFC"
    "n\t5\t\t\t",
    "Leer\tgr\xFCn\t\tblau\t\t",
    "Kurz\trot\t1\tblau\t1",
    "Zweite\t\t",
    "Gut\trot\t2",
    "Danach\tblau\t3",
    "Dritte\t\t",
    "Davor\tgelb\t1",
    "Kaputt\trot\tzwei",
    "Nie\tblau\t3",
};
constexpr int kFaultyCategory = 2;
constexpr int kAdipositas = 0;
constexpr int kEmptyProgramme = 1;
constexpr int kShortProgramme = 2;

class TreatmentControlTest : public ::testing::Test {
  protected:
    TreatmentControlTest() : control(kLines, view, timer, lamp) { control.FillProgramList(0); }

    void Choose(int programme) { control.SelectProgram(programme); }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            control.Tick();
        }
    }

    FakeView view;
    FakeTimer timer;
    RecordingLamp lamp;
    TreatmentControl control;
};

// The state is the control's own; the texts only show it. A walk through every row of the table,
// with the status text each state must show beside it.
TEST_F(TreatmentControlTest, StateFollowsTheOperatorThroughEveryRowOfTheTable) {
    using enum TreatmentState;
    const auto expect = [&](TreatmentState state, std::string_view status) {
        EXPECT_EQ(control.State(), state);
        EXPECT_EQ(view.statusText, status);
    };
    expect(NothingChosen, "Bitte w\xE4hlen Sie");
    control.StartTreatment();
    expect(NothingChosen, "Bitte w\xE4hlen Sie");
    control.PauseTreatment();
    expect(NothingChosen, "Bitte w\xE4hlen Sie");

    Choose(kShortProgramme);
    expect(Ready, "Behandlungsdauer");
    control.StartTreatment();
    expect(Running, "Restdauer");
    Ticks(60);
    control.PauseTreatment();
    expect(Paused, "Pause");
    control.StartTreatment();
    expect(Running, "Restdauer");
    Ticks(59);
    expect(Running, "Restdauer");
    Ticks(1);
    expect(Ended, "Restdauer");
    control.StartTreatment();
    expect(Ended, "Restdauer");
    control.PauseTreatment();
    expect(Paused, "Pause");
    control.StopTreatment();
    expect(Ready, "Behandlungsdauer");
    control.SelectCategory(0);
    expect(NothingChosen, "Bitte w\xE4hlen Sie");
}

TEST_F(TreatmentControlTest, ChoosingAProgrammeShowsItsTotalAndSwitchesTheLampOff) {
    Choose(kAdipositas);

    EXPECT_EQ(view.timeText, "19:00");
    EXPECT_EQ(view.statusText, "Behandlungsdauer");
    EXPECT_EQ(control.RemainingSeconds(), 19 * 60);
    EXPECT_FALSE(timer.on);
    EXPECT_EQ(lamp.sent, std::vector<ColourCode>{kColourOff});
}

TEST_F(TreatmentControlTest, EachTickCountsDownAndSendsTheColourOfTheCurrentMinute) {
    Choose(kAdipositas);
    lamp.sent.clear();
    control.StartTreatment();
    EXPECT_TRUE(timer.on);
    EXPECT_EQ(view.statusText, "Restdauer");
    EXPECT_TRUE(lamp.sent.empty()) << "Start itself sends nothing; the first tick does";

    control.Tick();
    EXPECT_EQ(view.timeText, "18:59");
    EXPECT_EQ(lamp.sent, std::vector<ColourCode>{kColourGreen});

    Ticks(298);
    EXPECT_EQ(view.timeText, "14:01");
    EXPECT_EQ(lamp.sent.back(), kColourGreen);
    control.Tick();
    EXPECT_EQ(view.timeText, "14:00");
    EXPECT_EQ(lamp.sent.back(), kColourYellow);
    EXPECT_EQ(lamp.sent.size(), 300u) << "a colour goes out every second, not only on changes";
}

TEST_F(TreatmentControlTest, AfterTheEndTheLampIsToldToSwitchOffEverySecond) {
    Choose(kShortProgramme);
    control.StartTreatment();
    lamp.sent.clear();

    Ticks(119);
    EXPECT_EQ(view.attentionRequests, 0);
    control.Tick();
    EXPECT_EQ(view.timeText, "0:00");
    EXPECT_EQ(view.attentionRequests, 1) << "the operator is called once, at 0:00";
    EXPECT_EQ(lamp.sent[58], kColourRed) << "ticks 1 to 59 belong to the first minute";
    EXPECT_EQ(lamp.sent[59], kColourBlue);
    EXPECT_EQ(lamp.sent[118], kColourBlue);
    EXPECT_EQ(lamp.sent[119], kColourOff);

    Ticks(3);
    EXPECT_EQ(view.timeText, "0:00");
    EXPECT_EQ(view.statusText, "Restdauer");
    EXPECT_TRUE(timer.on);
    EXPECT_EQ(lamp.sent.size(), 123u);
    EXPECT_EQ(lamp.sent.back(), kColourOff);

    control.StartTreatment();
    control.Tick();
    EXPECT_EQ(view.timeText, "0:00") << "Start after the end restarts nothing";
    EXPECT_EQ(lamp.sent.back(), kColourOff);
    EXPECT_EQ(view.attentionRequests, 1);
}

TEST_F(TreatmentControlTest, AProgrammeOfNoMinutesSendsOffFromTheFirstTick) {
    Choose(kEmptyProgramme);
    EXPECT_EQ(view.timeText, "0:00");
    control.StartTreatment();
    lamp.sent.clear();

    Ticks(3);
    EXPECT_EQ(view.timeText, "0:00");
    EXPECT_EQ(lamp.sent, (std::vector<ColourCode>{kColourOff, kColourOff, kColourOff}));
    EXPECT_EQ(view.attentionRequests, 0) << "a countdown that never ran does not end";
}

TEST_F(TreatmentControlTest, PauseSwitchesOffAndStartResumesWhereItStopped) {
    Choose(kAdipositas);
    control.StartTreatment();
    Ticks(90);
    EXPECT_EQ(view.timeText, "17:30");

    control.PauseTreatment();
    EXPECT_FALSE(timer.on);
    EXPECT_EQ(view.statusText, "Pause");
    EXPECT_EQ(lamp.sent.back(), kColourOff);
    EXPECT_EQ(view.timeText, "17:30");

    control.StartTreatment();
    EXPECT_EQ(view.statusText, "Restdauer");
    control.Tick();
    EXPECT_EQ(view.timeText, "17:29");
    EXPECT_EQ(lamp.sent.back(), kColourGreen);
}

TEST_F(TreatmentControlTest, StopResetsToTheFullTotalAndStartBeginsAgainAtMinuteZero) {
    Choose(kAdipositas);
    control.StartTreatment();
    Ticks(6 * 60);
    EXPECT_EQ(lamp.sent.back(), kColourYellow);

    control.StopTreatment();
    EXPECT_EQ(view.timeText, "19:00");
    EXPECT_EQ(view.statusText, "Behandlungsdauer");
    EXPECT_FALSE(timer.on);
    EXPECT_EQ(lamp.sent.back(), kColourOff);

    control.StartTreatment();
    control.Tick();
    EXPECT_EQ(view.timeText, "18:59");
    EXPECT_EQ(lamp.sent.back(), kColourGreen);
}

TEST_F(TreatmentControlTest, ChoosingAnotherCategoryWhileRunningStopsEverything) {
    Choose(kAdipositas);
    control.StartTreatment();
    Ticks(5);

    control.SelectCategory(1);
    EXPECT_FALSE(timer.on);
    EXPECT_EQ(view.timeText, "");
    EXPECT_EQ(view.statusText, "Bitte w\xE4hlen Sie");
    EXPECT_EQ(lamp.sent.back(), kColourOff);
    EXPECT_EQ(view.programList, (std::vector<std::string>{"Gut", "Danach"}));
}

TEST_F(TreatmentControlTest, OperationsBeforeAnyChoiceFollowTheStateTable) {
    control.StartTreatment();
    EXPECT_FALSE(timer.on) << "Start with nothing chosen does nothing";
    EXPECT_TRUE(lamp.sent.empty());

    control.PauseTreatment();
    EXPECT_EQ(lamp.sent, std::vector<ColourCode>{kColourOff});
    EXPECT_EQ(view.statusText, "Bitte w\xE4hlen Sie")
        << "Pause with nothing chosen changes no text";
    EXPECT_EQ(view.timeText, "");
}

TEST_F(TreatmentControlTest, ProgrammeEventsWithoutASelectionAreIgnored) {
    control.SelectProgram(-1);
    control.StopTreatment();

    EXPECT_TRUE(lamp.sent.empty());
    EXPECT_EQ(view.timeText, "");
    EXPECT_EQ(view.statusText, "Bitte w\xE4hlen Sie");
}

TEST_F(TreatmentControlTest, StartWhileRunningChangesNothingButTheSchedule) {
    Choose(kAdipositas);
    control.StartTreatment();
    Ticks(61);
    const std::string shown = view.timeText;

    control.StartTreatment();
    EXPECT_TRUE(timer.on);
    EXPECT_EQ(view.timeText, shown);
    EXPECT_EQ(control.RemainingSeconds(), 19 * 60 - 61);
}

TEST_F(TreatmentControlTest, AFaultyMinutesFieldShowsThePartialListAndPropagates) {
    Choose(kAdipositas);
    const std::string timeBefore = view.timeText;

    EXPECT_THROW(control.SelectCategory(kFaultyCategory), ConversionError);
    EXPECT_EQ(view.programList, (std::vector<std::string>{"Davor", "Kaputt"}))
        << "the list keeps the names up to and including the faulty programme";
    EXPECT_EQ(view.timeText, timeBefore) << "the rest of the operation does not run";

    control.SelectProgram(1);
    EXPECT_EQ(view.timeText, timeBefore) << "the faulty programme has no row to read";
}

TEST_F(TreatmentControlTest, ClosingTheWindowLeavesARunningOrPausedLampDark) {
    control.CloseTreatment();
    EXPECT_TRUE(lamp.sent.empty()) << "nothing chosen: nothing to switch off";

    Choose(kAdipositas);
    lamp.sent.clear();
    control.CloseTreatment();
    EXPECT_TRUE(lamp.sent.empty()) << "ready: the lamp is already dark";

    control.StartTreatment();
    control.Tick();
    control.CloseTreatment();
    EXPECT_FALSE(timer.on);
    EXPECT_EQ(lamp.sent.back(), kColourOff);

    control.StartTreatment();
    control.PauseTreatment();
    lamp.sent.clear();
    control.CloseTreatment();
    EXPECT_EQ(lamp.sent, std::vector<ColourCode>{kColourOff});
}

}  // namespace
}  // namespace farb
