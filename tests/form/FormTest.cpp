#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "ControlTable.h"
#include "FormTexts.h"
#include "ListRules.h"
#include "NoDriver.h"
#include "RecordingFrontEnd.h"
#include "ScreenText.h"
#include "SimulatedDriver.h"
#include "SingleStart.h"
#include "Unit1.h"
#include "Version.h"
#include "WindowPlacement.h"

namespace farb {
namespace {

using testing::RecordingFrontEnd;

constexpr std::string_view kFaultyCatalogue[] = {
    "Gut\t\t", "Rot\trot\t2", "Schlecht\t\t", "Davor\tgelb\t1", "Kaputt\trot\tzwei",
};

constexpr KeyStroke kDown{40, ListMove::Down, 0};

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

class FormTest : public ::testing::Test {
  protected:
    explicit FormTest(TherapyCatalogue catalogue = ShippedCatalogue())
        : lamp_(driver_.Plug("TTL232R", "FT1", LampKind::BinaryLamp)),
          form_(frontEnd_, lampLink_, catalogue) {}

    const std::string& Text(ControlId control) { return frontEnd_.texts[control]; }
    std::vector<std::uint8_t> LampBytes() const { return driver_.BytesReceivedBy(lamp_); }
    int LastByte() const {
        const auto bytes = LampBytes();
        return bytes.empty() ? -1 : bytes.back();
    }
    void Type(void (TForm1::*down)(const KeyStroke&), void (TForm1::*up)(int), KeyStroke key) {
        (form_.*down)(key);
        (form_.*up)(key.code);
    }

    SimulatedDriver driver_;
    int lamp_;
    LampLink lampLink_{driver_, {}};
    RecordingFrontEnd frontEnd_;
    TForm1 form_;
};

TEST_F(FormTest, StartsWithTheFirstCategoryNothingChosenAndNoDriverCall) {
    EXPECT_EQ(frontEnd_.items[ControlId::lbh].size(), 16u);
    EXPECT_EQ(frontEnd_.items[ControlId::lbh].back(), " ");
    EXPECT_EQ(frontEnd_.selection[ControlId::lbh], 0);
    EXPECT_EQ(frontEnd_.items[ControlId::lbg].front(), "Adipositas (Fettsucht");
    EXPECT_EQ(frontEnd_.items[ControlId::lbg].size(), 16u);
    EXPECT_EQ(frontEnd_.selection[ControlId::lbg], -1);
    EXPECT_EQ(Text(ControlId::lt), "");
    EXPECT_EQ(Text(ControlId::Label1), "Bitte w\xE4hlen Sie");
    EXPECT_EQ(frontEnd_.items[ControlId::ComboBox1],
              (std::vector<std::string>{"keine Verbindung", "USB", "USB", "USB"}));
    EXPECT_EQ(frontEnd_.selection[ControlId::ComboBox1], -1);
    for (ControlId label : {ControlId::LStart, ControlId::LPAUSE, ControlId::LSTOp}) {
        EXPECT_FALSE(frontEnd_.Visible(label));
    }
    EXPECT_EQ(Text(ControlId::LPAUSE), "Pause");
    EXPECT_TRUE(frontEnd_.timers[TimerId::Timer2]);
    EXPECT_FALSE(form_.TimerOn(TimerId::Timer1));
    EXPECT_TRUE(driver_.Calls().empty());
}

TEST_F(FormTest, TheNoticeComesOnceAndCancelClosesAfterDiscovery) {
    frontEnd_.answerNotice = false;
    form_.FormActivate();
    form_.FormActivate();
    EXPECT_EQ(frontEnd_.notices, 1);
    EXPECT_TRUE(frontEnd_.closed);
    EXPECT_EQ(frontEnd_.selection[ControlId::ComboBox1], 2);  // TTL232R: the binary lamp
}

// Each row of the treatment's state table, reached through the window's handlers.
TEST_F(FormTest, HandlersWalkTheTreatmentStates) {
    form_.lbgMouseDown(MouseButton::Left, 0);
    EXPECT_EQ(Text(ControlId::lt), "19:00");
    EXPECT_EQ(Text(ControlId::Label1), "Behandlungsdauer");
    EXPECT_EQ(LampBytes(), Bytes("\xFF\x4B"));

    form_.Shape1MouseDown(MouseButton::Left);
    EXPECT_EQ(Text(ControlId::Label1), "Restdauer");
    EXPECT_TRUE(frontEnd_.timers[TimerId::Timer1]);
    form_.Timer1Timer();
    EXPECT_EQ(Text(ControlId::lt), "18:59");
    EXPECT_EQ(LastByte(), 0x42);

    form_.Shape3MouseDown(MouseButton::Right);
    EXPECT_EQ(Text(ControlId::Label1), "Pause");
    EXPECT_FALSE(frontEnd_.timers[TimerId::Timer1]);
    EXPECT_EQ(LastByte(), 0x4B);

    form_.Shape1MouseDown(MouseButton::Assistive);
    form_.Timer1Timer();
    EXPECT_EQ(Text(ControlId::lt), "18:58");

    form_.Shape2MouseDown(MouseButton::Middle);
    EXPECT_EQ(Text(ControlId::lt), "19:00");
    EXPECT_EQ(Text(ControlId::Label1), "Behandlungsdauer");

    form_.lbhMouseDown(MouseButton::Left, 2);
    EXPECT_EQ(frontEnd_.items[ControlId::lbg].front(), "Asthma");
    EXPECT_EQ(Text(ControlId::lt), "");
    EXPECT_EQ(Text(ControlId::Label1), "Bitte w\xE4hlen Sie");
}

TEST_F(FormTest, NoPollWhileATreatmentRuns) {
    form_.lbgMouseDown(MouseButton::Left, 0);
    form_.Shape1MouseDown(MouseButton::Left);
    driver_.ClearRecord();
    form_.Timer2Timer();
    EXPECT_TRUE(driver_.Calls().empty());
    form_.Shape3MouseDown(MouseButton::Left);
    driver_.ClearRecord();
    form_.Timer2Timer();
    EXPECT_FALSE(driver_.Calls().empty());
}

TEST_F(FormTest, PressesMoveTheSelectionOnlyWithTheLeftButtonOnAnItem) {
    form_.lbgMouseDown(MouseButton::Left, 2);
    const std::string chosen = Text(ControlId::lt);
    form_.Shape1MouseDown(MouseButton::Left);
    form_.lbgMouseDown(MouseButton::Right, 5);
    EXPECT_EQ(form_.Selection(ControlId::lbg), 2);
    EXPECT_EQ(Text(ControlId::lt), chosen);  // the same programme chosen again
    EXPECT_FALSE(form_.TimerOn(TimerId::Timer1));

    form_.lbhMouseDown(MouseButton::Left, -1);  // below the last category
    form_.lbgMouseDown(MouseButton::Left, 99);  // beyond the last programme
    EXPECT_EQ(form_.Selection(ControlId::lbh), 0);
    EXPECT_EQ(frontEnd_.items[ControlId::lbg].size(), 16u);
    EXPECT_EQ(frontEnd_.selection[ControlId::lbg], -1);  // the category change emptied it
}

TEST_F(FormTest, KeysMoveAtTheirReleaseOnlyInTheListThatSawThePress) {
    form_.lbgKeyUp(9);  // Tab pressed in the category list, released here
    EXPECT_EQ(Text(ControlId::lt), "");
    Type(&TForm1::lbgKeyDown, &TForm1::lbgKeyUp, kDown);
    EXPECT_EQ(frontEnd_.selection[ControlId::lbg], 0);  // Tab, then Down: the first programme
    EXPECT_EQ(Text(ControlId::lt), "19:00");

    form_.lbgKeyDown(kDown);
    form_.lbgExit();
    form_.lbgKeyUp(kDown.code);
    EXPECT_EQ(form_.Selection(ControlId::lbg), 0);

    Type(&TForm1::lbgKeyDown, &TForm1::lbgKeyUp, {35, ListMove::End, 0});
    EXPECT_EQ(form_.Selection(ControlId::lbg), 15);
    Type(&TForm1::lbgKeyDown, &TForm1::lbgKeyUp, kDown);
    EXPECT_EQ(form_.Selection(ControlId::lbg), 15);
    Type(&TForm1::lbhKeyDown, &TForm1::lbhKeyUp, {'V', ListMove::None, 'v'});
    EXPECT_EQ(form_.Selection(ControlId::lbh), 12);  // "Verdauungsorgane"
    Type(&TForm1::lbhKeyDown, &TForm1::lbhKeyUp, {'V', ListMove::None, 'v'});
    EXPECT_EQ(form_.Selection(ControlId::lbh), 13);
    EXPECT_EQ(frontEnd_.items[ControlId::lbg].size(), 19u);
}

// Keys that choose nothing change nothing, in every state of the treatment: a key whose press
// another control saw (Tab from Stop), Space, Enter and Shift, and an arrow at the list's end.
TEST_F(FormTest, KeysThatMoveNoSelectionRunNoOperationInAnyState) {
    struct Setup {
        const char* state;
        void (*reach)(TForm1&);
    };
    const Setup setups[] = {
        {"nothing chosen", [](TForm1&) {}},
        {"ready", [](TForm1& form) { form.lbgMouseDown(MouseButton::Left, 15); }},
        {"running",
         [](TForm1& form) {
             form.lbgMouseDown(MouseButton::Left, 15);
             form.Shape1MouseDown(MouseButton::Left);
             form.Timer1Timer();
         }},
        {"paused",
         [](TForm1& form) {
             form.lbgMouseDown(MouseButton::Left, 15);
             form.Shape1MouseDown(MouseButton::Left);
             form.Shape3MouseDown(MouseButton::Left);
         }},
        {"ended", [](TForm1& form) {
             form.lbhMouseDown(MouseButton::Left, 3);   // Bewegungsapparat
             form.lbgMouseDown(MouseButton::Left, 13);  // Muskeldystrophie, 0 minutes
             form.Shape1MouseDown(MouseButton::Left);
             form.Timer1Timer();
         }}};
    const KeyStroke unmoving[] = {{' ', ListMove::None, ' '},
                                  {13, ListMove::None, '\r'},
                                  {16, ListMove::None, 0},
                                  {9, ListMove::None, '\t'}};
    for (const Setup& setup : setups) {
        SCOPED_TRACE(setup.state);
        SimulatedDriver driver;
        const int lamp = driver.Plug("TTL232R", "FT1", LampKind::BinaryLamp);
        RecordingFrontEnd frontEnd;
        LampLink lampLink{driver, {}};
        TForm1 form(frontEnd, lampLink);
        setup.reach(form);
        const auto state = form.Treatment().State();
        const RecordingFrontEnd before = frontEnd;
        const auto bytes = driver.BytesReceivedBy(lamp);
        for (const KeyStroke& key : unmoving) {
            form.lbhKeyDown(key);
            form.lbhKeyUp(key.code);
            form.lbgKeyDown(key);
            form.lbgKeyUp(key.code);
        }
        form.lbhKeyUp(9);  // Tab pressed on Stop, released in the category list
        form.lbgKeyUp(9);  // and on to the programme list
        const KeyStroke down{40, ListMove::Down, 0};
        if (form.Selection(ControlId::lbg) == 15 || form.Selection(ControlId::lbg) == 13) {
            form.lbgKeyDown(down);  // the last programme: Down moves nowhere
            form.lbgKeyUp(down.code);
        }
        EXPECT_EQ(form.Treatment().State(), state);
        EXPECT_EQ(driver.BytesReceivedBy(lamp), bytes);
        EXPECT_EQ(frontEnd.texts, before.texts);
        EXPECT_EQ(frontEnd.selection, before.selection);
        EXPECT_EQ(frontEnd.items, before.items);
        EXPECT_EQ(frontEnd.timers, before.timers);
    }
}

TEST_F(FormTest, AKeyThatMovesTheSelectionOfARunningTreatmentStillChooses) {
    form_.lbgMouseDown(MouseButton::Left, 0);
    form_.Shape1MouseDown(MouseButton::Left);
    Type(&TForm1::lbgKeyDown, &TForm1::lbgKeyUp, kDown);
    EXPECT_EQ(form_.Treatment().State(), TreatmentState::Ready);
    EXPECT_EQ(Text(ControlId::lt), "17:00");  // Abzess
    form_.Shape1MouseDown(MouseButton::Left);
    Type(&TForm1::lbhKeyDown, &TForm1::lbhKeyUp, kDown);
    EXPECT_EQ(form_.Treatment().State(), TreatmentState::NothingChosen);
    ASSERT_FALSE(frontEnd_.items[ControlId::lbg].empty());
    EXPECT_EQ(frontEnd_.items[ControlId::lbg].front(), "Grippe");
}

// The machine is held awake exactly while the countdown runs, and the task bar follows it.
TEST_F(FormTest, TheMachineStaysAwakeOnlyWhileTheTreatmentRuns) {
    using P = TreatmentProgress;
    form_.lbgMouseDown(MouseButton::Left, 0);  // 19 minutes
    EXPECT_TRUE(frontEnd_.awake.empty());
    form_.Shape1MouseDown(MouseButton::Left);
    form_.Timer1Timer();
    form_.Shape3MouseDown(MouseButton::Left);
    form_.Shape1MouseDown(MouseButton::Left);
    form_.Shape2MouseDown(MouseButton::Left);
    form_.Shape1MouseDown(MouseButton::Left);
    form_.lbgMouseDown(MouseButton::Left, 1);  // another programme stops it
    form_.Shape1MouseDown(MouseButton::Left);
    form_.lbhMouseDown(MouseButton::Left, 1);  // another category too
    EXPECT_EQ(frontEnd_.awake,
              (std::vector<bool>{true, false, true, false, true, false, true, false}));
    EXPECT_EQ(frontEnd_.progress, (std::vector<P>{{ProgressState::Running, 0, 1140},
                                                  {ProgressState::Running, 1, 1140},
                                                  {ProgressState::Paused, 1, 1140},
                                                  {ProgressState::Running, 1, 1140},
                                                  {},
                                                  {ProgressState::Running, 0, 1140},
                                                  {},
                                                  {ProgressState::Running, 0, 1020},
                                                  {}}));

    form_.lbgMouseDown(MouseButton::Left, 0);  // Grippe, 13 minutes
    form_.Shape1MouseDown(MouseButton::Left);
    for (int tick = 0; tick < 13 * 60 + 3; ++tick) {
        form_.Timer1Timer();
    }
    EXPECT_EQ(frontEnd_.announced, std::vector<std::string>{"Grippe"});
    EXPECT_EQ(frontEnd_.awake.back(), false);
    EXPECT_EQ(frontEnd_.progress.back(), P{});
    EXPECT_EQ(frontEnd_.progress[frontEnd_.progress.size() - 2],
              (P{ProgressState::Running, 779, 780}));
}

TEST_F(FormTest, ASleepPausesARunningTreatmentAndNothingElse) {
    form_.SystemSuspend();  // nothing chosen
    form_.lbgMouseDown(MouseButton::Left, 0);
    form_.SystemSuspend();  // ready
    EXPECT_EQ(Text(ControlId::Label1), "Behandlungsdauer");
    form_.Shape1MouseDown(MouseButton::Left);
    form_.Timer1Timer();
    const std::size_t sent = LampBytes().size();
    form_.SystemSuspend();
    EXPECT_EQ(Text(ControlId::Label1), "Pause");
    EXPECT_FALSE(frontEnd_.timers[TimerId::Timer1]);
    EXPECT_EQ(LampBytes().size(), sent + 2);
    EXPECT_EQ(LastByte(), 0x4B);
    EXPECT_EQ(frontEnd_.awake.back(), false);
    EXPECT_EQ(frontEnd_.progress.back(), (TreatmentProgress{ProgressState::Paused, 1, 1140}));
    form_.SystemSuspend();  // paused already: no second off command
    EXPECT_EQ(LampBytes().size(), sent + 2);
    form_.Shape1MouseDown(MouseButton::Left);
    form_.Timer1Timer();
    EXPECT_EQ(Text(ControlId::lt), "18:58");
}

TEST_F(FormTest, ClosingReleasesTheMachineAndTheTaskBar) {
    form_.lbgMouseDown(MouseButton::Left, 0);
    form_.Shape1MouseDown(MouseButton::Left);
    form_.FormClose();
    EXPECT_EQ(LastByte(), 0x4B);
    EXPECT_EQ(frontEnd_.awake, (std::vector<bool>{true, false}));
    EXPECT_EQ(frontEnd_.progress.back(), TreatmentProgress{});
}

TEST_F(FormTest, ProgrammeTooltipsTellEveryStepAndTheTotal) {
    EXPECT_EQ(frontEnd_.itemTips[ControlId::lbg][0].description,
              "gr\xFCn 5 Min. \xB7 gelb 3 Min. \xB7 orange 3 Min. \xB7 gelb 3 Min. \xB7 gr\xFCn 5 "
              "Min. \x97 19 Min.");
    form_.lbhMouseDown(MouseButton::Left, 3);  // Bewegungsapparat
    EXPECT_EQ(frontEnd_.itemTips[ControlId::lbg].size(), 14u);
    EXPECT_EQ(frontEnd_.itemTips[ControlId::lbg][13].description,
              "gr\xFCn 0 Min. \xB7 blau 0 Min. \xB7 gelb 0 Min. \x97 0 Min.");
}

// Where the list cuts a programme's name off, its tooltip shows the whole name above the steps;
// assistive technology, which reads the name anyway, gets the steps alone.
TEST_F(FormTest, AProgrammeTooltipShowsACutNameAboveTheSteps) {
    frontEnd_.cutAfter = 20;
    form_.lbhMouseDown(MouseButton::Left, 1);  // Allgemeine Krankheiten 2
    const std::vector<ItemTip>& tips = frontEnd_.itemTips[ControlId::lbg];
    EXPECT_EQ(tips[0].text, tips[0].description);  // Grippe
    EXPECT_EQ(tips[4].text, "Organsenkung im Bauchraum\n" + tips[4].description);
    EXPECT_EQ(tips[4].description.substr(0, 11), "gr\xFCn 3 Min.");
}

// What a front end forwards by control id reaches the handler of that control, as a click, a
// key or a move there would; a key held down counts once.
TEST_F(FormTest, EventsByControlIdReachTheirHandlers) {
    form_.MouseDown(ControlId::lbg, MouseButton::Left, 0);
    EXPECT_EQ(Text(ControlId::lt), "19:00");
    form_.MouseDown(ControlId::Label1, MouseButton::Left);  // a label does nothing
    form_.KeyDown(ControlId::Shape1, {' ', ListMove::None, ' ', true, true});
    EXPECT_EQ(Text(ControlId::Label1), "Behandlungsdauer");  // an auto-repeat presses nothing
    form_.KeyDown(ControlId::Shape1, {'A', ListMove::None, 'a', false, false});
    EXPECT_EQ(Text(ControlId::Label1), "Behandlungsdauer");  // nor does another key
    form_.KeyDown(ControlId::Shape1, {13, ListMove::None, 0, true, false});
    EXPECT_EQ(Text(ControlId::Label1), "Restdauer");
    form_.MouseDown(ControlId::Shape3, MouseButton::Assistive);
    EXPECT_EQ(Text(ControlId::Label1), "Pause");
    form_.MouseDown(ControlId::Shape2, MouseButton::Left);
    EXPECT_EQ(Text(ControlId::Label1), "Behandlungsdauer");

    form_.KeyDown(ControlId::lbg, kDown);
    form_.KeyDown(ControlId::lbg, {kDown.code, ListMove::Down, 0, false, true});
    form_.KeyUp(ControlId::lbg, kDown.code, true);
    EXPECT_EQ(form_.Selection(ControlId::lbg), 0);  // a held key's repeats move nothing
    form_.KeyUp(ControlId::lbg, kDown.code);
    EXPECT_EQ(form_.Selection(ControlId::lbg), 1);
    form_.KeyDown(ControlId::lbh, kDown);
    form_.Exit(ControlId::lbh);
    form_.KeyUp(ControlId::lbh, kDown.code);
    EXPECT_EQ(form_.Selection(ControlId::lbh), 0);  // the press was forgotten with the focus

    form_.MouseMove(ControlId::Shape3);
    EXPECT_TRUE(frontEnd_.Visible(ControlId::LPAUSE));
    form_.MouseMove(ControlId::Image1, 20, 20);
    EXPECT_FALSE(frontEnd_.Visible(ControlId::LPAUSE));
}

// Choosing a found programme is the operator's two clicks: the heading, then the programme, with
// everything they do to the window and the lamp, also to a running treatment.
TEST(FormSearch, ChoosingAFoundProgrammeDoesWhatTheTwoClicksDo) {
    struct Window {
        SimulatedDriver driver;
        int lamp = driver.Plug("TTL232R", "FT1", LampKind::BinaryLamp);
        RecordingFrontEnd frontEnd;
        LampLink lampLink{driver, {}};
        TForm1 form{frontEnd, lampLink};
    };
    Window searched, clicked;
    for (Window* window : {&searched, &clicked}) {
        window->form.lbgMouseDown(MouseButton::Left, 3);
        window->form.Shape1MouseDown(MouseButton::Left);
        window->form.Timer1Timer();
    }
    const std::vector<FoundProgramme> found = searched.form.FindProgrammes("migraene");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, "Migr\xE4ne \x97 Allgemeine Krankheiten 2");
    searched.form.ChooseFoundProgramme(found[0].entry);
    clicked.form.lbhMouseDown(MouseButton::Left, 1);
    clicked.form.lbgMouseDown(MouseButton::Left, 2);

    EXPECT_EQ(searched.frontEnd.texts, clicked.frontEnd.texts);
    EXPECT_EQ(searched.frontEnd.selection, clicked.frontEnd.selection);
    EXPECT_EQ(searched.frontEnd.items, clicked.frontEnd.items);
    EXPECT_EQ(searched.frontEnd.timers, clicked.frontEnd.timers);
    EXPECT_EQ(searched.frontEnd.awake, clicked.frontEnd.awake);
    EXPECT_EQ(searched.driver.BytesReceivedBy(searched.lamp),
              clicked.driver.BytesReceivedBy(clicked.lamp));
    EXPECT_EQ(searched.form.Treatment().State(), TreatmentState::Ready);
    EXPECT_EQ(found[0].steps, searched.frontEnd.itemTips[ControlId::lbg][2].description);
    // The screen reader hears the choice as after the clicks: the stop, then name and total.
    EXPECT_EQ(searched.frontEnd.spoken, clicked.frontEnd.spoken);
    ASSERT_FALSE(searched.frontEnd.spoken.empty());
    EXPECT_EQ(searched.frontEnd.spoken.back().text.rfind("Migr\xE4ne, ", 0), 0u)
        << searched.frontEnd.spoken.back().text;
}

TEST(FormSearch, TheMagnifierAndCtrlFOpenTheSearchAndACancelChangesNothing) {
    SimulatedDriver driver;
    RecordingFrontEnd frontEnd;
    LampLink lampLink{driver, {}};
    TForm1 form(frontEnd, lampLink);
    EXPECT_EQ(frontEnd.tips[ControlId::Shape4], "Programm suchen (Strg+F)");
    form.MouseDown(ControlId::Shape4, MouseButton::Right);
    EXPECT_EQ(frontEnd.searches, 0);
    form.MouseDown(ControlId::Shape4, MouseButton::Left);
    EXPECT_EQ(frontEnd.searches, 1);
    EXPECT_EQ(form.Selection(ControlId::lbg), -1);
    EXPECT_TRUE(driver.Calls().empty());

    frontEnd.searchChoose = [&form] { return form.FindProgrammes("grippe").front().entry; };
    form.SearchShortcut();
    EXPECT_EQ(frontEnd.searches, 2);
    EXPECT_EQ(form.Selection(ControlId::lbh), 1);
    EXPECT_EQ(form.Selection(ControlId::lbg), 0);
    EXPECT_EQ(frontEnd.texts[ControlId::lt], "13:00");
}

TEST(FormSearch, ListsEveryProgrammeForNothingTypedAndNoneForANameNotThere) {
    SimulatedDriver driver;
    RecordingFrontEnd frontEnd;
    LampLink lampLink{driver, {}};
    TForm1 form(frontEnd, lampLink);
    const std::vector<FoundProgramme> all = form.FindProgrammes("");
    ASSERT_EQ(all.size(), 198u);
    EXPECT_EQ(all.front().text, "Adipositas (Fettsucht \x97 Allgemeine Krankheiten");
    EXPECT_TRUE(form.FindProgrammes("xylophon").empty());
    form.ChooseFoundProgramme(198);  // no such entry: nothing happens
    form.ChooseFoundProgramme(-1);
    EXPECT_EQ(form.Selection(ControlId::lbh), 0);
    EXPECT_TRUE(driver.Calls().empty());
}

TEST(TypedCharacter, OnlyPrintableLatin1TypesIntoAList) {
    EXPECT_EQ(TypedCharacter(u'a'), 'a');
    EXPECT_EQ(TypedCharacter(u' '), ' ');
    EXPECT_EQ(TypedCharacter(u'\u00C4'), '\xC4');
    EXPECT_EQ(TypedCharacter(u'\u00FF'), '\xFF');
    for (char16_t control : {u'\x01', u'\t', u'\r', u'\x1B', u'\x1F', u'\x7F', u'\x85', u'\x9F'}) {
        EXPECT_EQ(TypedCharacter(control), 0) << static_cast<int>(control);
    }
    EXPECT_EQ(TypedCharacter(u'\u20AC'), 0);  // the euro sign
}

// The time text's tooltip follows the countdown through Start, Pause and the end.
TEST_F(FormTest, TheCountdownTooltipTellsTheColourNowAndNext) {
    form_.lbgMouseDown(MouseButton::Left, 0);  // green 5, yellow 3, orange 3, yellow 3, green 5
    EXPECT_EQ(frontEnd_.tips[ControlId::lt], "");
    form_.Shape1MouseDown(MouseButton::Left);
    EXPECT_EQ(frontEnd_.tips[ControlId::lt],
              "jetzt gr\xFCn, noch 5:00 \xB7 danach gelb, 3 Min."
              " \xB7 F2 sagt den Stand an");
    for (int tick = 0; tick < 5 * 60 + 47; ++tick) {
        form_.Timer1Timer();
    }
    form_.Shape3MouseDown(MouseButton::Left);
    EXPECT_EQ(frontEnd_.tips[ControlId::lt],
              "jetzt gelb, noch 2:13 \xB7 danach orange, 3 Min."
              " \xB7 F2 sagt den Stand an");
    form_.Shape1MouseDown(MouseButton::Left);
    for (int tick = 0; tick < 13 * 60; ++tick) {
        form_.Timer1Timer();
    }
    EXPECT_EQ(frontEnd_.tips[ControlId::lt],
              "jetzt gr\xFCn, noch 0:13 \xB7 danach Ende"
              " \xB7 F2 sagt den Stand an");
    EXPECT_EQ(frontEnd_.sounds, 0);
    for (int tick = 0; tick < 15; ++tick) {
        form_.Timer1Timer();
    }
    EXPECT_EQ(frontEnd_.tips[ControlId::lt], "Programm beendet \xB7 F2 sagt den Stand an");
    EXPECT_EQ(frontEnd_.sounds, 1);  // once, at 0:00
    EXPECT_EQ(frontEnd_.attentionRequests, 1);
    form_.Shape2MouseDown(MouseButton::Keyboard);
    EXPECT_EQ(frontEnd_.tips[ControlId::lt], "");
}

TEST(FormWithoutDriver, TheStatusBoxSaysTheDriverIsMissing) {
    NoDriver driver;
    RecordingFrontEnd frontEnd;
    LampLink lampLink{driver, {}};
    TForm1 form(frontEnd, lampLink);
    form.FormActivate();
    EXPECT_EQ(frontEnd.selection[ControlId::ComboBox1], 0);
    EXPECT_NE(frontEnd.tips[ControlId::ComboBox1].find("D2XX-Treiber (ftd2xx.dll)"),
              std::string::npos);
}

TEST(ListRules, PagesHomeEndAndNoSelection) {
    const std::vector<std::string> items(50, "x");
    EXPECT_EQ(SelectionAfterKey(3, items, {1, ListMove::PageDown, 0}, 21), 23);
    EXPECT_EQ(SelectionAfterKey(45, items, {1, ListMove::PageDown, 0}, 21), 49);
    EXPECT_EQ(SelectionAfterKey(10, items, {1, ListMove::PageUp, 0}, 21), 0);
    EXPECT_EQ(SelectionAfterKey(10, items, {1, ListMove::Home, 0}, 21), 0);
    EXPECT_EQ(SelectionAfterKey(-1, items, {1, ListMove::Up, 0}, 21), 0);
    EXPECT_EQ(SelectionAfterKey(-1, items, {1, ListMove::End, 0}, 21), 49);
    EXPECT_EQ(SelectionAfterKey(7, items, {1, ListMove::None, 'q'}, 21), 7);
    EXPECT_EQ(SelectionAfterKey(-1, {}, {1, ListMove::Down, 0}, 21), -1);
    EXPECT_EQ(SelectionAfterKey(0, {"a", "\xE4rger"}, {1, ListMove::None, '\xC4'}, 21), 1);
}

TEST_F(FormTest, AHoverLabelFollowsTheHotSpotsAndStaysUnderThePointer) {
    form_.Shape1MouseMove();
    EXPECT_TRUE(frontEnd_.Visible(ControlId::LStart));
    form_.Image1MouseMove(770, 330);  // on "Start", beside its hot spot
    EXPECT_TRUE(frontEnd_.Visible(ControlId::LStart));
    form_.Shape3MouseMove();
    EXPECT_FALSE(frontEnd_.Visible(ControlId::LStart));
    EXPECT_TRUE(frontEnd_.Visible(ControlId::LPAUSE));
    form_.Image1MouseMove(770, 330);  // where "Start" would be, now hidden
    EXPECT_FALSE(frontEnd_.Visible(ControlId::LPAUSE));
    EXPECT_FALSE(frontEnd_.Visible(ControlId::LStart));
}

TEST_F(FormTest, ClosingARunningTreatmentSwitchesTheLampOff) {
    form_.lbgMouseDown(MouseButton::Left, 0);
    form_.Shape1MouseDown(MouseButton::Left);
    form_.Timer1Timer();
    form_.FormClose();
    EXPECT_EQ(LastByte(), 0x4B);
    EXPECT_FALSE(frontEnd_.timers[TimerId::Timer1]);
}

TEST_F(FormTest, TheStatusBoxTooltipNamesTheLastFailedOpen) {
    driver_.FailCall(DriverOperation::OpenBySerialNumber, FT_DEVICE_NOT_OPENED);
    form_.lbgMouseDown(MouseButton::Left, 0);
    EXPECT_NE(frontEnd_.tips[ControlId::ComboBox1].find("USB shown, lamp dark"), std::string::npos);
    form_.lbgMouseDown(MouseButton::Left, 0);
    EXPECT_EQ(frontEnd_.tips[ControlId::ComboBox1], "");
}

class FaultyCatalogueFormTest : public FormTest {
  protected:
    FaultyCatalogueFormTest() : FormTest(kFaultyCatalogue) {}
};

TEST_F(FaultyCatalogueFormTest, AnErrorEndsTheEventAndIsShown) {
    form_.lbgMouseDown(MouseButton::Left, 0);
    form_.Shape1MouseDown(MouseButton::Left);
    form_.lbhMouseDown(MouseButton::Left, 1);
    EXPECT_EQ(frontEnd_.errors,
              std::vector<std::string>{"Farbprogramm: 'zwei' ist kein g\xFCltiger Integerwert"});
    EXPECT_EQ(frontEnd_.items[ControlId::lbg].size(), 2u);
    form_.Shape2MouseDown(MouseButton::Left);  // Stop still ends the treatment
    EXPECT_FALSE(form_.TimerOn(TimerId::Timer1));
    EXPECT_EQ(Text(ControlId::Label1), "Bitte w\xE4hlen Sie");
}

TEST_F(FaultyCatalogueFormTest, TheSearchListsProgrammesBehindAFaultyLineWithoutSteps) {
    const std::vector<FoundProgramme> found = form_.FindProgrammes("");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].steps, "rot 2 Min. \x97 2 Min.");
    EXPECT_EQ(found[2].text, "Kaputt \x97 Schlecht");
    EXPECT_EQ(found[2].steps, "");
    form_.ChooseFoundProgramme(found[2].entry);
    EXPECT_EQ(frontEnd_.errors.size(), 1u);  // the click on its heading shows the fault
}

TEST(ControlTable, IdsIndexTheTableAndEveryControlLiesInTheClientArea) {
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < Controls().size(); ++i) {
        const ControlLayout& entry = Controls()[i];
        EXPECT_EQ(&Control(entry.id), &entry);
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_LE(entry.rect.Right(), MainWindowLayout().clientWidth) << entry.name;
        EXPECT_LE(entry.rect.Bottom(), MainWindowLayout().clientHeight) << entry.name;
    }
    EXPECT_EQ(Control(ControlId::lbh).focusOrder, 1);
    EXPECT_EQ(Control(ControlId::lbg).focusOrder, 2);
    EXPECT_EQ(FirstInFocusOrder(), ControlId::lbh);
}

// The demo must not pass for the program: its title ends in the suffix, the program's does not,
// and its mark lies in the header clear of every control the operator uses.
TEST(ControlTable, TheDemoIsMarkedInItsTitleAndOverNoControl) {
    const std::string title = DemoWindowTitle();
    EXPECT_EQ(title, "Lanvo Farbprogram  V" FARB_VERSION " \x96 Demo");
    EXPECT_FALSE(MainWindowLayout().title.ends_with(kDemoTitleSuffix));

    const Rect mark = DemoMarkLayout().rect;
    EXPECT_GE(mark.left, 0);
    EXPECT_GE(mark.top, 0);
    EXPECT_LE(mark.Right(), MainWindowLayout().clientWidth);
    for (const ControlLayout& entry : Controls()) {
        if (entry.kind == ControlKind::Picture) {
            continue;
        }
        const Rect& rect = entry.rect;
        const bool apart = mark.Right() <= rect.left || rect.Right() <= mark.left ||
                           mark.Bottom() <= rect.top || rect.Bottom() <= mark.top;
        EXPECT_TRUE(apart) << entry.name;
    }
    EXPECT_NE(DemoMarkLayout().textColour, DemoMarkLayout().background);
}

TEST(ControlTable, ScalesEdgesByDpiOver96) {
    EXPECT_EQ(ScaledToDpi(Rect{32, 168, 265, 391}, 96), (Rect{32, 168, 265, 391}));
    EXPECT_EQ(ScaledToDpi(Rect{32, 168, 265, 391}, 144), (Rect{48, 252, 398, 587}));
    EXPECT_EQ(ScaledToDpi(Rect{672, 376, 73, 73}, 120), (Rect{840, 470, 91, 91}));
    EXPECT_EQ(ScaledToDpi(18, 144), 27);
}

TEST(WindowPlacement, CentresAndPutsTheDemoWindowsSideBySideWhereTheyFit) {
    const Rect work{0, 30, 1920, 1050};
    EXPECT_EQ(CentredIn(work, 840, 617), (ScreenPoint{540, 246}));
    EXPECT_EQ(CentredIn({-1280, 0, 1280, 1024}, 840, 617), (ScreenPoint{-1060, 203}));
    const Rect main{540, 246, 840, 617};
    EXPECT_EQ(SideBySide(work, main, 400, 16), (WindowPair{{332, 246}, {1188, 246}}));
    // Too narrow for both: the main window stays, the lamp window goes to the top right.
    EXPECT_EQ(SideBySide({0, 0, 1024, 768}, {92, 75, 840, 617}, 400, 16),
              (WindowPair{{92, 75}, {624, 0}}));
    EXPECT_EQ(SideBySide({0, 0, 1256, 768}, {208, 75, 840, 617}, 400, 16).main.x, 0);
}

class ScriptedLock : public InstanceLock {
  public:
    explicit ScriptedLock(bool free) : free_(free) {}
    bool Claim() override { return free_; }
    void KnockAtRunning() override { ++knocks; }
    int knocks = 0;

  private:
    bool free_;
};

TEST(SingleStart, ASecondStartIsToldKnocksAndEnds) {
    std::vector<std::string> told;
    const auto tell = [&](std::string_view title, std::string_view text) {
        told.push_back(std::string(title) + ": " + std::string(text));
    };
    ScriptedLock free(true), taken(false);
    EXPECT_TRUE(ClaimSoleInstance(free, tell));
    EXPECT_TRUE(told.empty());
    EXPECT_FALSE(ClaimSoleInstance(taken, tell));
    EXPECT_EQ(taken.knocks, 1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].substr(0, 30), "Farbprogramm: Das Farbprogramm");
}

}  // namespace
}  // namespace farb

namespace farb {
namespace {

// The status box shows what discovery found: "USB" while the lamp's command set is unknown, the
// third item once a text lamp has answered, and "keine Verbindung" once it is gone. A text
// exchange holds the poll timer off and starts it afresh.
TEST(FormLampStatus, TheStatusBoxFollowsTheLampAndAnExchangeRestartsThePoll) {
    SimulatedDriver driver;
    const int lamp = driver.Plug("Luma-Glanz", "L1", LampKind::TextLamp);
    std::vector<bool> pollTimer;
    struct PollRecorder : RecordingFrontEnd {
        std::vector<bool>* record;
        void SetTimer(TimerId timer, bool on) override {
            RecordingFrontEnd::SetTimer(timer, on);
            if (timer == TimerId::Timer2) {
                record->push_back(on);
            }
        }
    } frontEnd;
    frontEnd.record = &pollTimer;
    LampLink lampLink{driver, {}};
    TForm1 form(frontEnd, lampLink);

    form.FormActivate();
    EXPECT_EQ(frontEnd.selection[ControlId::ComboBox1], 1);
    form.lbgMouseDown(MouseButton::Left, 0);  // the version query, then the colour
    form.Timer2Timer();
    EXPECT_EQ(frontEnd.selection[ControlId::ComboBox1], 3);
    // On at creation; off and on around the version query and around the colour command.
    EXPECT_EQ(pollTimer, (std::vector<bool>{true, false, true, false, true}));

    driver.Unplug(lamp);
    form.Timer2Timer();
    EXPECT_EQ(frontEnd.selection[ControlId::ComboBox1], 0);
}

TEST_F(FormTest, AfterTheCloseNothingReachesTheWindowOrTheLamp) {
    form_.lbgMouseDown(MouseButton::Left, 0);
    form_.Shape1MouseDown(MouseButton::Left);
    form_.Timer1Timer();
    form_.FormClose();
    EXPECT_FALSE(frontEnd_.timers[TimerId::Timer1]);
    EXPECT_FALSE(frontEnd_.timers[TimerId::Timer2]);
    EXPECT_FALSE(form_.TimerOn(TimerId::Timer2));
    const std::size_t calls = driver_.Calls().size();
    const auto texts = frontEnd_.texts;
    const auto items = frontEnd_.items;
    const auto selection = frontEnd_.selection;
    const auto timers = frontEnd_.timers;
    const auto tips = frontEnd_.tips;
    const auto awake = frontEnd_.awake;
    const auto progress = frontEnd_.progress;
    frontEnd_.searchChoose = [] { return 0; };

    form_.FormClose();
    form_.Timer1Timer();
    form_.Timer2Timer();
    form_.SystemSuspend();
    form_.FormActivate();
    form_.KeyDown(ControlId::lbg, kDown);
    form_.KeyUp(ControlId::lbg, kDown.code);
    form_.MouseDown(ControlId::lbh, MouseButton::Left, 2);
    form_.MouseDown(ControlId::Shape1, MouseButton::Left);
    form_.MouseDown(ControlId::Shape2, MouseButton::Left);
    form_.MouseDown(ControlId::Shape3, MouseButton::Left);
    form_.MouseDown(ControlId::Shape4, MouseButton::Left);
    form_.SearchShortcut();
    form_.MouseMove(ControlId::Shape1);
    form_.MouseMove(ControlId::Image1, 10, 10);

    EXPECT_EQ(driver_.Calls().size(), calls);
    EXPECT_EQ(frontEnd_.texts, texts);
    EXPECT_EQ(frontEnd_.items, items);
    EXPECT_EQ(frontEnd_.selection, selection);
    EXPECT_EQ(frontEnd_.timers, timers);
    EXPECT_EQ(frontEnd_.tips, tips);
    EXPECT_EQ(frontEnd_.awake, awake);
    EXPECT_EQ(frontEnd_.progress, progress);
    EXPECT_EQ(frontEnd_.notices, 0);
    EXPECT_EQ(frontEnd_.searches, 0);
    EXPECT_FALSE(frontEnd_.Visible(ControlId::LStart));
    EXPECT_TRUE(frontEnd_.errors.empty());
}

}  // namespace
}  // namespace farb

namespace farb {
namespace {

// Both front ends hand the search what was typed through FromUtf16.
TEST(ScreenText, TypedTextComesBackAsTheCoreBytesAndTheRestMatchesNothing) {
    std::string everyByte;
    for (int byte = 0; byte < 0x100; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    EXPECT_EQ(FromUtf16(ToUtf16(everyByte)), everyByte);
    EXPECT_EQ(FromUtf16(u"Migr\u00E4ne \u2014 \u20AC"), "Migr\xE4ne \x97 \x80");

    // Beyond the code page: a macron, a C1 control that stands for a byte's euro sign, and the
    // half of a character beyond the plane.
    const std::string foreign = FromUtf16(u"\u0101\u0080\xD83D");
    EXPECT_EQ(foreign, std::string(3, kNotInCatalogue));
    for (const CatalogueLine& line : ShippedCatalogue()) {
        EXPECT_EQ(std::string_view(line).find(kNotInCatalogue), std::string_view::npos) << line;
    }
    SimulatedDriver driver;
    LampLink lampLink{driver, {}};
    RecordingFrontEnd frontEnd;
    TForm1 form(frontEnd, lampLink);
    EXPECT_TRUE(form.FindProgrammes(FromUtf16(u"Migr\u0101ne")).empty());
    EXPECT_TRUE(form.FindProgrammes(FromUtf16(u"\u0101")).empty());
    EXPECT_FALSE(form.FindProgrammes(FromUtf16(u"Migr\u00E4ne")).empty());
}

}  // namespace
}  // namespace farb

namespace farb {
namespace {

TEST(ControlTable, TheFocusChainHoldsEveryFocusableControlInTabOrder) {
    const std::vector<ControlId> chain = FocusChain();
    ASSERT_FALSE(chain.empty());
    EXPECT_EQ(chain.front(), FirstInFocusOrder());
    for (std::size_t i = 1; i < chain.size(); ++i) {
        EXPECT_LT(Control(chain[i - 1]).focusOrder, Control(chain[i]).focusOrder);
    }
    const auto focusable = std::ranges::count_if(
        Controls(), [](const ControlLayout& entry) { return entry.focusOrder > 0; });
    EXPECT_EQ(std::ssize(chain), focusable);
}

}  // namespace

// What a screen reader hears of a whole treatment: each change once, the state on F2.
TEST_F(FormTest, TheScreenReaderHearsEachChangeOnceAndTheStateOnRequest) {
    const auto heard = [this] {
        std::vector<std::string> texts;
        for (const Announcement& said : frontEnd_.spoken) {
            texts.push_back(said.text + (said.interrupts ? " (!)" : ""));
        }
        frontEnd_.spoken.clear();
        return texts;
    };
    using Texts = std::vector<std::string>;
    form_.FormActivate();
    EXPECT_EQ(heard(), Texts{}) << "the lamp found at the start is no change";
    form_.StateShortcut();
    EXPECT_EQ(heard(), Texts{"Bitte w\xE4hlen Sie ein Programm (!)"});

    form_.lbgMouseDown(MouseButton::Left, 0);  // Adipositas: gruen 5, gelb 3, orange 3, ...
    EXPECT_EQ(heard(), Texts{"Adipositas (Fettsucht, 19 Min."});
    form_.Shape1MouseDown(MouseButton::Keyboard);
    EXPECT_EQ(heard(), Texts{"Behandlung l\xE4uft: Adipositas (Fettsucht, noch 19:00"});
    for (int second = 0; second < 299; ++second) {
        form_.Timer1Timer();
    }
    EXPECT_EQ(heard(), Texts{}) << "the countdown itself is never spoken";
    form_.Timer1Timer();
    EXPECT_EQ(heard(), Texts{"jetzt gelb, 3 Min., noch 14:00"});
    form_.Shape3MouseDown(MouseButton::Keyboard);
    EXPECT_EQ(heard(), Texts{"Pause bei 14:00"});
    form_.Shape3MouseDown(MouseButton::Keyboard);
    EXPECT_EQ(heard(), Texts{}) << "a second Pause changes nothing";
    form_.StateShortcut();
    EXPECT_EQ(heard(), Texts{"Adipositas (Fettsucht, Pause, noch 14:00, jetzt gelb, danach "
                             "orange 3 Min. (!)"});
    form_.Timer2Timer();
    EXPECT_EQ(heard(), Texts{}) << "a poll that finds the lamp again";
    driver_.Unplug(lamp_);
    form_.Timer2Timer();
    form_.Timer2Timer();
    EXPECT_EQ(heard(), Texts{"keine Verbindung"});
    lamp_ = driver_.Plug("TTL232R", "FT1", LampKind::BinaryLamp);
    form_.Timer2Timer();
    EXPECT_EQ(heard(), Texts{"Lampe verbunden"});
    form_.Shape1MouseDown(MouseButton::Keyboard);
    EXPECT_EQ(heard(), Texts{"Behandlung l\xE4uft: Adipositas (Fettsucht, noch 14:00"});
    form_.Shape2MouseDown(MouseButton::Keyboard);
    EXPECT_EQ(heard(), Texts{"Behandlung gestoppt"});
    form_.Shape2MouseDown(MouseButton::Keyboard);
    EXPECT_EQ(heard(), Texts{}) << "Stop when nothing runs";

    form_.lbgMouseDown(MouseButton::Left, 13);  // Muskeldystrophie has 0 minutes
    form_.Shape1MouseDown(MouseButton::Keyboard);
    heard();
    form_.Timer1Timer();
    EXPECT_EQ(heard(), Texts{}) << "a treatment of 0 minutes does not end, it never ran";
    form_.lbgMouseDown(MouseButton::Left, 0);
    form_.Shape1MouseDown(MouseButton::Keyboard);
    for (int second = 0; second < 19 * 60 - 1; ++second) {
        form_.Timer1Timer();
    }
    heard();
    form_.Timer1Timer();
    EXPECT_EQ(heard(), Texts{"Behandlung beendet: Adipositas (Fettsucht (!)"});
    form_.Timer1Timer();
    form_.StateShortcut();
    EXPECT_EQ(heard(), Texts{"Adipositas (Fettsucht, beendet (!)"});

    form_.FormClose();
    form_.StateShortcut();
    form_.Timer2Timer();
    form_.Shape1MouseDown(MouseButton::Keyboard);
    EXPECT_EQ(heard(), Texts{}) << "a closed window says nothing";
}

}  // namespace farb
