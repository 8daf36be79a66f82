#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "RgbTable.h"
#include "VirtualLamp.h"

namespace farb {

// What the demo's lamp window shows of the virtual lamp, whatever toolkit draws it. Texts are
// Latin-1.
inline constexpr std::string_view kLampWindowTitle = "Virtuelle Lampe";
inline constexpr std::string_view kPlugButton = "&Einstecken";
inline constexpr std::string_view kUnplugButton = "&Abziehen";

struct LampKindChoice {
    VirtualLampKind kind;
    std::string_view label;
};
// The kinds the user can plug in, in the order the choice lists them.
const std::vector<LampKindChoice>& LampKindChoices();

// The rows of the details beside their labels.
struct LampReadoutRow {
    std::string_view label;  // "Letzter Befehl (hex):"
    std::string_view accessibleName;
    std::string_view objectName;  // what a test finds the row's value by, "hexCommand"
    std::string text;
};

struct VirtualLampReadout {
    RgbColour field;          // the lamp's colour; grey before the first colour
    std::string colourName;   // "gr\xFCn", "aus", "noch keine Farbe", "nicht eingesteckt"
    std::string hexCommand;   // the details, in their order:
    std::string textCommand;  //   hex, text, count, connection, serial number
    std::string commandCount;
    std::string connection;
    std::string serialNumber;
    bool kindChoosable = true;  // another kind needs the lamp pulled out first
    bool plugEnabled = true;
    bool unplugEnabled = false;

    std::vector<LampReadoutRow> Rows() const;
};

VirtualLampReadout ReadOut(const VirtualLamp& lamp);

// The widest text the hex row ever shows (a colour command), so a window keeps its size.
inline constexpr std::string_view kWidestHexCommand = "43 30 30 45 43 30 30 0D 0A";

// What both lamp windows show besides the readout, and their sizes in pixels at 96 dpi.
struct LampWindowLayout {
    int fieldWidth;  // the colour field
    int fieldHeight;
    std::string_view fieldName;  // for assistive technology
    int colourNamePixels;        // bold, below the field
    std::string_view colourNameName;
    std::string_view kindLabel;  // beside the choice of lamp kinds
    std::string_view kindName;
    // The widest texts the value column shows, so a window never changes its size.
    std::array<std::string_view, 3> widestValues;
};

inline constexpr LampWindowLayout kLampWindow{
    .fieldWidth = 300,
    .fieldHeight = 180,
    .fieldName = "Lampenfeld",
    .colourNamePixels = 24,
    .colourNameName = "Farbe",
    .kindLabel = "Lampenart:",
    .kindName = "Lampenart",
    // A colour command; a binary command to a text lamp; the longest lamp name.
    .widestValues = {kWidestHexCommand, "<FF>K (nicht verstanden)", "Luma-Glanz eingesteckt"},
};

}  // namespace farb
