#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "LampWireFormat.h"
#include "LinkedTreatment.h"

namespace farb::testing {
namespace {

using ::testing::IsEmpty;

constexpr int kTicks = 10'000;
// One plug or unplug every 40 ticks on average.
constexpr std::uint32_t kChangeOneIn = 40;
constexpr std::uint32_t kDefaultSeed = 20240611;

struct Step {
    const char* word;
    int minutes;
    ColourCode code;
};

// 140 minutes through every colour word, with a step of no minutes in the middle; the remaining
// ticks of the soak run past the end, where the lamp is told "off" every second.
const Step kSteps[] = {
    {"rot", 7, kColourRed},        {"gr\xFCn", 11, kColourGreen},
    {"blau", 5, kColourBlue},      {"weiss", 9, kColourWhite},
    {"orange", 13, kColourOrange}, {"t\xFCrkis", 6, kColourTurquoise},
    {"violett", 8, kColourViolet}, {"rotviolett", 0, kColourMagenta},
    {"gelb", 12, kColourYellow},   {"magenta", 10, kColourMagenta},
    {"Indigo", 14, kColourIndigo}, {"rot", 7, kColourRed},
    {"Gr\xFCn", 11, kColourGreen}, {"blau", 5, kColourBlue},
    {"weiss", 9, kColourWhite},    {"orane", 13, kColourOrange},
};

struct LampType {
    const char* name;
    const char* description;
    LampKind kind;
    bool text;
    bool queried;  // found by the first pass, so its command set is asked for
};

const LampType kTypes[] = {
    {"text", "Luma-Glanz", LampKind::TextLamp, true, true},
    {"binary KZ", "KZ0123456789V012345678", LampKind::BinaryLamp, false, true},
    {"binary cable", "TTL232R", LampKind::BinaryLamp, false, false},
};

std::string ProgrammeLine() {
    std::string line = "Langzeit";
    for (const Step& step : kSteps) {
        line += std::string("\t") + step.word + " \t" + std::to_string(step.minutes);
    }
    return line;
}

// The colour of every minute, written out from the steps without the treatment's code.
std::vector<ColourCode> MinuteColours() {
    std::vector<ColourCode> colours;
    for (const Step& step : kSteps) {
        colours.insert(colours.end(), step.minutes, step.code);
    }
    return colours;
}

std::string Command(const LampType& type, ColourCode code) {
    if (type.text) {
        return TextColourCommand(code) + std::string(kLineEnd);
    }
    const auto bytes = BinaryColourCommand(code);
    return std::string(bytes.begin(), bytes.end());
}

std::uint32_t SoakSeed() {
    const char* chosen = std::getenv("FARB_SOAK_SEED");
    return chosen ? static_cast<std::uint32_t>(std::strtoul(chosen, nullptr, 10)) : kDefaultSeed;
}

struct PluggedLamp {
    int id;
    const LampType* type;
    std::string serial;
    bool needsQuery;
};

struct Figures {
    int ticksWithLamp = 0;
    int ticksWithoutLamp = 0;
    int plugIns = 0;
    int kindChanges = 0;
    int versionQueries = 0;
    int textCommands = 0;
    int binaryCommands = 0;
};

// Lamps come and go at random (seeded, so a failure can be replayed with FARB_SOAK_SEED) while a
// long treatment runs. A change happens between two ticks, at most one per gap, so every swap of
// lamps has a tick without any lamp in between: discovery forgets the command set only when a scan
// sees no lamp, and a swap faster than one tick would look like the same lamp staying in.
TEST(HotPlugSoakTest, EveryLampPresentAtATickGetsTheColourOfTheMinuteInItsOwnCommandSet) {
    const std::uint32_t seed = SoakSeed();
    SCOPED_TRACE("FARB_SOAK_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);

    const std::string programme = ProgrammeLine();
    const CatalogueLine lines[] = {"Dauer\t\t", programme};
    const std::vector<ColourCode> minuteColours = MinuteColours();
    const int totalSeconds = static_cast<int>(minuteColours.size()) * 60;

    LinkedTreatment treatment(lines);
    SimulatedDriver& driver = treatment.rig.driver;
    driver.SetRecording(false);
    std::vector<std::pair<std::string, std::string>> writes;
    driver.SetWriteListener([&](const std::string& serial, std::span<const std::uint8_t> bytes) {
        writes.emplace_back(serial, std::string(bytes.begin(), bytes.end()));
    });

    Figures figures;
    int nextSerial = 1;
    const LampType* lastType = &kTypes[0];
    std::optional<PluggedLamp> present;
    auto plug = [&](const LampType& type) {
        const std::string serial = "S" + std::to_string(nextSerial++);
        present = PluggedLamp{driver.Plug(type.description, serial, type.kind), &type, serial,
                              type.queried};
        figures.kindChanges += &type != lastType && type.text != lastType->text;
        lastType = &type;
        ++figures.plugIns;
    };

    plug(kTypes[0]);
    treatment.StartProgramme(0);
    ASSERT_EQ(treatment.control.Steps().ProgramTotals(0) * 60, totalSeconds);
    present->needsQuery = false;

    for (int tick = 1; tick <= kTicks; ++tick) {
        if (random() % kChangeOneIn == 0) {
            if (present) {
                driver.Unplug(present->id);
                present.reset();
            } else if (random() % 4 == 0) {
                plug(*lastType);
            } else {
                // Another type than the last one, so lamps of the other command set come in.
                const std::size_t offset = 1 + random() % (std::size(kTypes) - 1);
                plug(kTypes[(lastType - kTypes + offset) % std::size(kTypes)]);
            }
        }
        writes.clear();
        treatment.rig.ClearRecord();

        treatment.control.Tick();

        SCOPED_TRACE("tick " + std::to_string(tick));
        const int remaining = std::max(totalSeconds - tick, 0);
        ASSERT_EQ(treatment.control.RemainingSeconds(), remaining);
        ASSERT_EQ(treatment.view.timeText, CountdownText(remaining));
        ASSERT_EQ(driver.OpenHandleCount(), 0);
        ASSERT_THAT(treatment.rig.reports, IsEmpty());
        if (!present) {
            ++figures.ticksWithoutLamp;
            ASSERT_THAT(writes, IsEmpty());
            continue;
        }
        ++figures.ticksWithLamp;
        const std::size_t minute = static_cast<std::size_t>((totalSeconds - remaining) / 60);
        const ColourCode colour =
            minute < minuteColours.size() ? minuteColours[minute] : kColourOff;
        std::vector<std::pair<std::string, std::string>> expected;
        if (present->needsQuery) {
            expected.emplace_back(present->serial, "VER\r\n");
            present->needsQuery = false;
            ++figures.versionQueries;
        }
        expected.emplace_back(present->serial, Command(*present->type, colour));
        ASSERT_EQ(writes, expected) << present->type->name << " lamp, minute " << minute;
        ++(present->type->text ? figures.textCommands : figures.binaryCommands);
    }

    EXPECT_GT(figures.kindChanges, 50);
    EXPECT_GT(figures.versionQueries, 50);
    EXPECT_GT(figures.binaryCommands, 1000);
    EXPECT_GT(figures.textCommands, 1000);
    std::cout << "soak (seed " << seed << "): " << kTicks << " ticks, " << figures.ticksWithLamp
              << " with a lamp, " << figures.ticksWithoutLamp << " without; " << figures.plugIns
              << " plug-ins, " << figures.kindChanges << " changes of command set, "
              << figures.versionQueries << " version queries, " << figures.textCommands
              << " text and " << figures.binaryCommands << " binary colour commands\n";
}

}  // namespace
}  // namespace farb::testing
