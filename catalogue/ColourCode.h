#pragma once

#include <string_view>

namespace farb {

// A lamp colour: 1..12, with 11 meaning "lamp dark", and 99 for a colour word that names nothing.
using ColourCode = int;

inline constexpr ColourCode kColourRed = 1;
inline constexpr ColourCode kColourGreen = 2;
inline constexpr ColourCode kColourBlue = 3;
inline constexpr ColourCode kColourWhite = 4;
inline constexpr ColourCode kColourOrange = 5;
inline constexpr ColourCode kColourTurquoise = 6;
inline constexpr ColourCode kColourViolet = 7;
inline constexpr ColourCode kColourYellow = 8;
inline constexpr ColourCode kColourPink = 9;
inline constexpr ColourCode kColourMagenta = 10;
inline constexpr ColourCode kColourOff = 11;
inline constexpr ColourCode kColourIndigo = 12;
inline constexpr ColourCode kColourUninterpretable = 99;

// Looks a catalogue colour word (spaces already removed, Latin-1 bytes) up; exact and
// case-sensitive, kColourUninterpretable when nothing matches.
ColourCode ColourCodeOfWord(std::string_view word);

// The colour's German name as the operator reads it, Latin-1: "gr\xFCn" for code 2, "aus" for
// off; "ohne Namen" for a code that names no lamp colour.
std::string_view GermanColourName(ColourCode code);

}  // namespace farb
