#include <gtest/gtest.h>

#include <string_view>

#include "CountdownText.h"
#include "TreatmentControl.h"
#include "TreatmentFakes.h"

namespace farb {
namespace {

using testing::FakeTimer;
using testing::FakeView;
using testing::RecordingLamp;

constexpr std::string_view kLines[] = {
    "Kategorie\t\t",
    "Mit Pause\trot\t2\tblau\t0\tgelb\t1",
    "Leerer Schritt\trot\t1\tblau\t\tgelb\t2",
    "R\xFC"
    "ckw\xE4rts\tblau\t-3\trot\t5",
    "Sehr lang\trot\t1000\tblau\t600",
    "Unbekannt\tlila\t2",
};

class ScheduleTest : public ::testing::Test {
  protected:
    ScheduleTest() : control(kLines, view, timer, lamp) { control.FillProgramList(0); }

    std::vector<ColourCode> FirstMinutes(int row, int count) {
        control.BuildMinuteSchedule(row);
        const auto& schedule = control.MinuteSchedule();
        return {schedule.begin(), schedule.begin() + count};
    }

    FakeView view;
    FakeTimer timer;
    RecordingLamp lamp;
    TreatmentControl control;
};

TEST_F(ScheduleTest, StepsOfNoMinutesAreSkipped) {
    EXPECT_EQ(FirstMinutes(0, 4), (std::vector<ColourCode>{1, 1, 8, 11}));
    EXPECT_EQ(FirstMinutes(1, 4), (std::vector<ColourCode>{1, 8, 8, 11}));
}

TEST_F(ScheduleTest, ANegativeStepWritesNothingAndMovesTheNextStepBack) {
    EXPECT_EQ(control.Steps().ProgramTotals(2), 2);
    EXPECT_EQ(FirstMinutes(2, 3), (std::vector<ColourCode>{1, 1, 11}));
}

TEST_F(ScheduleTest, AnUnknownColourWordGoesIntoTheScheduleAsIs) {
    EXPECT_EQ(FirstMinutes(4, 3), (std::vector<ColourCode>{99, 99, 11}));
}

TEST_F(ScheduleTest, NoRowGivesAScheduleOfOff) {
    control.BuildMinuteSchedule(3);
    control.BuildMinuteSchedule(-1);
    for (ColourCode code : control.MinuteSchedule()) {
        ASSERT_EQ(code, kColourOff);
    }
}

TEST_F(ScheduleTest, AProgrammeBeyondTheScheduleIsCutAndThenSendsOff) {
    control.BuildMinuteSchedule(3);
    const auto& schedule = control.MinuteSchedule();
    EXPECT_EQ(schedule[999], kColourRed);
    EXPECT_EQ(schedule[1000], kColourBlue);

    control.SelectProgram(3);
    EXPECT_EQ(view.timeText, "1600:00");
    control.StartTreatment();
    lamp.sent.clear();
    for (int tick = 1; tick <= 1002 * 60; ++tick) {
        control.Tick();
    }
    EXPECT_EQ(lamp.sent[1000 * 60 - 1], kColourBlue);
    EXPECT_EQ(lamp.sent[1001 * 60 - 2], kColourBlue);
    EXPECT_EQ(lamp.sent[1001 * 60 - 1], kColourOff);
    EXPECT_EQ(lamp.sent.back(), kColourOff);
    EXPECT_EQ(view.timeText, "598:00");
}

TEST(CountdownTextTest, MinutesWithoutLeadingZerosAndSecondsInTwoDigits) {
    const struct {
        std::int32_t seconds;
        const char* text;
    } cases[] = {{0, "0:00"},   {7, "0:07"},     {60, "1:00"},
                 {187, "3:07"}, {2759, "45:59"}, {60000, "1000:00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(RemainingTimeText(c.seconds), c.text) << c.seconds;
    }
    EXPECT_EQ(TotalTimeText(46), "46:00");
    EXPECT_EQ(TotalTimeText(0), "0:00");
}

}  // namespace
}  // namespace farb
