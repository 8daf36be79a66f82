#include "VirtualLampReadout.h"

namespace farb {
namespace {

// A lamp that has not been told anything yet shows neither a colour nor off.
constexpr RgbColour kNoCommandColour{128, 128, 128};

}  // namespace

const std::vector<LampKindChoice>& LampKindChoices() {
    static const std::vector<LampKindChoice> choices{
        {VirtualLampKind::AnsweringTextLamp, "Textlampe Luma-Glanz"},
        {VirtualLampKind::BinaryLamp, "Bin\xE4rlampe TTL232R"},
        {VirtualLampKind::SilentTextLamp, "Luma-Glanz ohne Antwort"},
    };
    return choices;
}

std::vector<LampReadoutRow> VirtualLampReadout::Rows() const {
    return {
        {"Letzter Befehl (hex):", "Letzter Befehl als Bytes", "hexCommand", hexCommand},
        {"Letzter Befehl (Text):", "Letzter Befehl als Text", "textCommand", textCommand},
        {"Empfangene Befehle:", "Empfangene Befehle", "commandCount", commandCount},
        {"Anschluss:", "Anschluss", "connection", connection},
        {"Seriennummer:", "Seriennummer", "serialNumber", serialNumber},
    };
}

VirtualLampReadout ReadOut(const VirtualLamp& lamp) {
    VirtualLampReadout readout;
    const bool plugged = lamp.Plugged();
    if (const auto& shown = lamp.ShownColour()) {
        readout.field = shown->colour;
        readout.colourName = GermanColourName(shown->code);
    } else {
        readout.field = kNoCommandColour;
        readout.colourName = plugged ? "noch keine Farbe" : "nicht eingesteckt";
    }

    const auto& command = lamp.LastCommand();
    readout.hexCommand = HexBytes(command);
    readout.textCommand = ReadableBytes(command);
    if (!command.empty() && !lamp.LastCommandUnderstood()) {
        readout.textCommand += " (nicht verstanden)";
    }
    readout.commandCount = std::to_string(lamp.CommandCount());
    readout.connection =
        plugged ? std::string(lamp.Description()) + " eingesteckt" : "nicht eingesteckt";
    readout.serialNumber = plugged ? std::string(lamp.SerialNumber()) : std::string();

    readout.kindChoosable = !plugged;
    readout.plugEnabled = !plugged;
    readout.unplugEnabled = plugged;
    return readout;
}

}  // namespace farb
