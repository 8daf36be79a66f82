#include "Announcements.h"

#include <gtest/gtest.h>

#include <array>

#include "LineFields.h"

namespace farb {
namespace {

constexpr std::array<CatalogueLine, 3> kLines{
    "Kategorie\t\t",
    // 13 minutes: green 5, red 5 (two steps of one colour make one run), orange 3.
    "Grippe\tgr\xFCn\t5\trot\t2\trot\t3\torange\t3",
    "Kurz\tblau\t1",
};

using State = TreatmentState;

class AnnouncementsTest : public ::testing::Test {
  protected:
    AnnouncementsTest() { steps_.FillProgramList(TherapyCatalogue(kLines), 0, fields_, names_); }

    // Grippe at `remaining` seconds, as Hear takes it from a treatment.
    HeardState Grippe(State state, std::int32_t remaining, std::optional<bool> lamp = true) {
        HeardState heard{state, 0, remaining, -1, lamp};
        if (state == State::Running || state == State::Paused) {
            const int minute = (13 * 60 - remaining) / 60;
            heard.colourRun = minute < 5 ? 0 : minute < 10 ? 5 : 10;
        }
        return heard;
    }
    std::vector<Announcement> Between(const HeardState& before, const HeardState& after) {
        return AnnouncementsBetween(before, after, {steps_, names_});
    }
    std::string Said(const HeardState& before, const HeardState& after) {
        const auto said = Between(before, after);
        return said.size() == 1 ? said[0].text : "(" + std::to_string(said.size()) + " said)";
    }

    LineFields fields_;
    ProgramStepTable steps_;
    std::vector<std::string> names_;
};

TEST_F(AnnouncementsTest, StartPauseResumeAndStopAreEachSaidOnce) {
    const HeardState ready = Grippe(State::Ready, 780);
    EXPECT_EQ(Said(ready, Grippe(State::Running, 780)), "Behandlung l\xE4uft: Grippe, noch 13:00");
    EXPECT_EQ(Said(Grippe(State::Running, 751), Grippe(State::Paused, 751)), "Pause bei 12:31");
    EXPECT_EQ(Said(Grippe(State::Paused, 751), Grippe(State::Running, 751)),
              "Behandlung l\xE4uft: Grippe, noch 12:31");
    for (const State underway : {State::Running, State::Paused, State::Ended}) {
        EXPECT_EQ(Said(Grippe(underway, 600), ready), "Behandlung gestoppt");
        // A new category ends it too.
        EXPECT_EQ(Said(Grippe(underway, 600), HeardState{State::NothingChosen, -1, 0, -1, true}),
                  "Behandlung gestoppt");
    }
    EXPECT_TRUE(Between(ready, ready).empty()) << "Stop before any start";
    EXPECT_TRUE(Between(Grippe(State::Ended, 0), Grippe(State::Ended, 0)).empty())
        << "Start after the end changes nothing";
}

TEST_F(AnnouncementsTest, TheCountdownIsSaidOnlyWhereAColourBeginsAndAtTheEnd) {
    int spoken = 0;
    for (std::int32_t remaining = 779; remaining > 0; --remaining) {
        const auto said =
            Between(Grippe(State::Running, remaining + 1), Grippe(State::Running, remaining));
        spoken += static_cast<int>(said.size());
        if (remaining == 480) {
            ASSERT_EQ(said.size(), 1u);
            EXPECT_EQ(said[0], (Announcement{"jetzt rot, 5 Min., noch 8:00", false}));
        } else if (remaining == 180) {
            ASSERT_EQ(said.size(), 1u);
            EXPECT_EQ(said[0].text, "jetzt orange, 3 Min., noch 3:00");
        }
    }
    EXPECT_EQ(spoken, 2) << "one for red, one for orange; the two red steps are one colour";
    EXPECT_EQ(Between(Grippe(State::Running, 1), Grippe(State::Ended, 0)),
              (std::vector<Announcement>{{"Behandlung beendet: Grippe", true}}));
    EXPECT_TRUE(Between(Grippe(State::Paused, 480), Grippe(State::Paused, 480)).empty());
}

TEST_F(AnnouncementsTest, AChoiceSaysTheProgrammeAndWhetherItEndedATreatment) {
    const HeardState kurz{State::Ready, 1, 60, -1, true};
    EXPECT_EQ(Said(Grippe(State::Ready, 780), kurz), "Kurz, 1 Min.");
    EXPECT_EQ(Said(HeardState{State::NothingChosen, -1, 0, -1, true}, kurz), "Kurz, 1 Min.");
    EXPECT_EQ(Said(Grippe(State::Running, 700), kurz), "Behandlung gestoppt. Kurz, 1 Min.");
    EXPECT_TRUE(Between(HeardState{}, HeardState{State::NothingChosen, -1, 0, -1, true}).empty())
        << "a category chosen with nothing under way";
}

TEST_F(AnnouncementsTest, TheLampIsSaidOnlyWhenItComesOrGoes) {
    EXPECT_TRUE(Between(Grippe(State::Ready, 780, std::nullopt), Grippe(State::Ready, 780)).empty())
        << "the first scan finds what was there";
    EXPECT_TRUE(Between(Grippe(State::Ready, 780), Grippe(State::Ready, 780)).empty());
    EXPECT_EQ(Said(Grippe(State::Ready, 780), Grippe(State::Ready, 780, false)),
              "keine Verbindung");
    EXPECT_EQ(Said(Grippe(State::Ready, 780, false), Grippe(State::Ready, 780)), "Lampe verbunden");
    // A tick that begins a colour and loses the lamp says both, the treatment first.
    EXPECT_EQ(Between(Grippe(State::Running, 481), Grippe(State::Running, 480, false)),
              (std::vector<Announcement>{{"jetzt rot, 5 Min., noch 8:00"}, {"keine Verbindung"}}));
}

TEST_F(AnnouncementsTest, TheStateOnRequestInEveryState) {
    const ProgrammeNames programmes{steps_, names_};
    const auto asked = [&](const HeardState& heard) {
        const Announcement said = StateOnRequest(heard, programmes);
        EXPECT_TRUE(said.interrupts) << said.text;
        return said.text;
    };
    EXPECT_EQ(asked(HeardState{}), "Bitte w\xE4hlen Sie ein Programm");
    EXPECT_EQ(asked(Grippe(State::Ready, 780)), "Grippe, bereit, 13:00");
    EXPECT_EQ(asked(Grippe(State::Running, 751)),
              "Grippe, l\xE4uft, noch 12:31, jetzt gr\xFCn, danach rot 5 Min.");
    EXPECT_EQ(asked(Grippe(State::Paused, 400)),
              "Grippe, Pause, noch 6:40, jetzt rot, danach orange 3 Min.");
    EXPECT_EQ(asked(Grippe(State::Running, 100)),
              "Grippe, l\xE4uft, noch 1:40, jetzt orange, "
              "danach Ende");
    EXPECT_EQ(asked(Grippe(State::Ended, 0)), "Grippe, beendet");
}

TEST_F(AnnouncementsTest, HearTakesTheColourRunFromTheTreatment) {
    // Hear's colour run is the one this test's Grippe() assumes, minute by minute.
    struct NoView : TreatmentView {
        void SetTimeText(const std::string&) override {}
        void SetStatusText(const std::string&) override {}
        void ShowProgramList(const std::vector<std::string>&) override {}
        void AskForAttention() override {}
    } view;
    struct NoTimer : TreatmentTimer {
        void SetTreatmentTimer(bool) override {}
        bool TreatmentTimerOn() const override { return false; }
    } timer;
    struct NoLamp : TreatmentLamp {
        void SetLampColour(ColourCode) override {}
    } lamp;
    TreatmentControl treatment(TherapyCatalogue(kLines), view, timer, lamp);
    treatment.FillProgramList(0);
    treatment.SelectProgram(0);
    EXPECT_EQ(Hear(treatment, 0, true), Grippe(State::Ready, 780));
    treatment.StartTreatment();
    for (int second = 0; second < 13 * 60 - 1; ++second) {
        treatment.Tick();
        ASSERT_EQ(Hear(treatment, 0, true), Grippe(State::Running, treatment.RemainingSeconds()))
            << "after " << second + 1 << " s";
    }
    EXPECT_EQ(Hear(treatment, -1, false), (HeardState{State::Running, -1, 1, -1, false}));
}

}  // namespace
}  // namespace farb
