#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "OpenFailure.h"
#include "Version.h"

namespace farb {

// The words of the main window and its boxes, Latin-1.
inline constexpr std::string_view kWindowTitle = "Lanvo Farbprogram  V" FARB_VERSION;
inline constexpr std::string_view kNoticeTitle = "Wichtiger Hinweis";
inline constexpr std::string_view kNoticeText =
    "Die Licht und Farbterapie ersetzt nicht den Arztbesuch";
inline constexpr std::string_view kOkButton = "OK";
inline constexpr std::string_view kCancelButton = "Abbrechen";
inline constexpr std::string_view kDriverErrorTitle = "Fehler";
// The title of the box that shows an error which ended an event, and of the already-running box.
inline constexpr std::string_view kProgramTitle = "Farbprogramm";
inline constexpr std::string_view kAlreadyRunningText =
    "Das Farbprogramm l\xE4uft bereits. Es kann nur ein Farbprogramm die Lampe steuern.";

// The demo drives a virtual lamp only: its window title ends in this, and its header carries the
// mark, so that it is never taken for the program beside it that drives the real lamp.
inline constexpr std::string_view kDemoTitleSuffix = " \x96 Demo";
inline constexpr std::string_view kDemoMarkText = "DEMO \xB7 virtuelle Lampe";
// The main window's title followed by kDemoTitleSuffix.
std::string DemoWindowTitle();

// The program drives the lamp; the demo drives a virtual one, and both windows say which.
enum class Edition { Program, Demo };
std::string WindowTitle(Edition edition);

// The dialog that finds a programme by name across all headings.
inline constexpr std::string_view kSearchTitle = "Programm suchen";
inline constexpr std::string_view kSearchHint = "Programm suchen (Strg+F)";
inline constexpr std::string_view kSearchLabel =
    "&Name oder \xDC"
    "berschrift:";
inline constexpr std::string_view kSearchResults = "Gefundene Programme";
inline constexpr std::string_view kSearchChoose = "&Ausw\xE4hlen";
inline constexpr std::string_view kSearchNothingFound = "Kein Programm gefunden";

inline constexpr std::string_view kHoverStart = "Start";
inline constexpr std::string_view kHoverPause = "Pause";
inline constexpr std::string_view kHoverStop = "Stop";

// What the screen reader is told without the focus moving: the treatment's changes and, on F2,
// its state ("Grippe, l\xE4uft, noch 12:31, jetzt rot, danach orange 5 Min.").
inline constexpr std::string_view kSpokenStarted = "Behandlung l\xE4uft: ";
inline constexpr std::string_view kSpokenPausedAt = "Pause bei ";
inline constexpr std::string_view kSpokenStopped = "Behandlung gestoppt";
inline constexpr std::string_view kSpokenEnded = "Behandlung beendet: ";
inline constexpr std::string_view kSpokenLampFound = "Lampe verbunden";
inline constexpr std::string_view kSpokenLampLost = "keine Verbindung";
inline constexpr std::string_view kSpokenNothingChosen = "Bitte w\xE4hlen Sie ein Programm";
inline constexpr std::string_view kSpokenReady = "bereit";
inline constexpr std::string_view kSpokenRunning = "l\xE4uft";
inline constexpr std::string_view kSpokenPaused = "Pause";
inline constexpr std::string_view kSpokenFinished = "beendet";
// The name of the place the announcements are read from, until the first one replaces it.
inline constexpr std::string_view kLiveRegionName = "Meldungen";
// The key that asks for the state, named at the end of the time text's tooltip.
inline constexpr std::string_view kStateKeyHint = " \xB7 F2 sagt den Stand an";

// Discovery selects item 0 without a lamp and item LampProtocol + 1 with one.
std::vector<std::string> StatusItems();

// The status box's hint where the machine has no driver library for the lamp at all (Windows
// without FTDI's D2XX driver).
inline constexpr std::string_view kMissingDriverHint =
    "Keine Lampe erreichbar: der Treiber f\xFCr die Lampe fehlt. Installieren Sie FTDIs "
    "D2XX-Treiber (ftd2xx.dll): Windows Update installiert ihn meist beim Einstecken der Lampe, "
    "sonst das D2XX-Treiberpaket von FTDIs Website.";

// The status box's hint for the operator: why a lamp that is found stays dark, and the README
// section that mends it; empty for None.
std::string_view OpenFailureHint(OpenFailure failure);

}  // namespace farb
