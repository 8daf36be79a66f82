// Drives farbprogramm.exe from outside, as an operator and a screen reader would reach it: finds
// its windows, reads their controls through window messages, presses where the operator would,
// and compares with the control table, the form's texts and what the fake ftd2xx.dll was sent.
//   farb-inspect cancel  <exe> <log folder>
//   farb-inspect session <exe> <log folder> <dpi> binary|text [Wine's relay trace of <exe>]
//   farb-inspect demo    <exe> <log folder>
//   farb-inspect speech  <exe> <log folder>
//   farb-inspect conformance <exe> <log folder> [dpi]

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "CategoryList.h"
#include "Conformance.h"
#include "ControlTable.h"
#include "CoreText.h"
#include "Dpi.h"
#include "FormTexts.h"
#include "InspectorTools.h"
#include "Interruptions.h"
#include "LampWindowIds.h"
#include "LineFields.h"
#include "ListRules.h"
#include "ResourceIds.h"
#include "Search.h"
#include "Speech.h"
#include "TreatmentControl.h"
#include "TreatmentTips.h"
#include "Version.h"
#include "VirtualLampReadout.h"

namespace {

using namespace farb;
using namespace farb::inspect;

bool WaitForExit(const PROCESS_INFORMATION& process, DWORD expectedCode) {
    DWORD code = STILL_ACTIVE;
    const bool ended = WaitForSingleObject(process.hProcess, 15000) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return ended && code == expectedCode;
}

PROCESS_INFORMATION Start(const std::string& exe, const std::string& log) {
    SetEnvironmentVariableA("FAKE_D2XX_LOG", log.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        Check(false, "start " + exe);
        std::exit(1);
    }
    return process;
}

HWND AnswerNotice(bool ok) {
    HWND notice = FindTopLevel(L"#32770", Wide(kNoticeTitle));
    Check(notice != nullptr, "the notice opens");
    if (!notice) {
        return nullptr;  // nothing else can be seen
    }
    Check(Text(GetDlgItem(notice, IDC_MESSAGE_TEXT)) == Wide(kNoticeText), "the notice's text");
    Check(Text(GetDlgItem(notice, IDOK)) == Wide(kOkButton) &&
              Text(GetDlgItem(notice, IDCANCEL)) == Wide(kCancelButton),
          "the notice's buttons read OK and Abbrechen");
    HWND main = FindWindowW(FARB_WINDOW_CLASS, nullptr);
    Check(main && !IsWindowEnabled(main), "the notice is modal over the main window");
    Send(GetDlgItem(notice, ok ? IDOK : IDCANCEL), BM_CLICK);
    Check(Eventually([&] { return !IsWindow(notice); }), "the notice closes");
    return main;
}

std::string Describe(const Rect& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.width) + "x" + std::to_string(rect.height);
}

// A place check names what it found beside what the control table asks.
void CheckPlace(const std::string& what, const Rect& found, const Rect& expected) {
    Check(found == expected, what + " at " + Describe(found) +
                                 (found == expected ? "" : ", expected " + Describe(expected)));
}

void CheckLayout(HWND main, int dpi) {
    Check(Text(main) == Wide(MainWindowLayout().title), "the window's title");
    RECT client;
    GetClientRect(main, &client);
    const Rect image = ScaledToDpi(Control(ControlId::Image1).rect, dpi);
    CheckPlace("client area", Rect{0, 0, client.right, client.bottom},
               Rect{0, 0, image.width, image.height});
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    Check((style & (WS_CAPTION | WS_SYSMENU)) == (WS_CAPTION | WS_SYSMENU) &&
              !(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)),
          "a fixed frame with title bar and close box only");
    for (const ControlLayout& entry : Controls()) {
        if (entry.kind == ControlKind::Picture) {
            continue;
        }
        const std::string name(entry.name);
        HWND control = Child(main, entry.id);
        Check(control != nullptr, name + " exists");
        RECT shown;
        GetWindowRect(control, &shown);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&shown), 2);
        CheckPlace(name,
                   Rect{shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top},
                   ScaledToDpi(entry.rect, dpi));
        const bool hover = entry.id == ControlId::LStart || entry.id == ControlId::LPAUSE ||
                           entry.id == ControlId::LSTOp;
        Check(IsWindowVisible(control) == !hover && IsWindowEnabled(control) == entry.enabled,
              name + " visible and enabled as designed");
        if (entry.kind == ControlKind::ListBox) {
            const LRESULT height = Send(control, LB_GETITEMHEIGHT);
            const int expected = ScaledToDpi(entry.itemHeight, dpi);
            Check(height == expected,
                  name + "'s item height " + std::to_string(height) +
                      (height == expected ? "" : ", expected " + std::to_string(expected)));
        }
    }
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// Whether the focus frame shows on the control's edge: its corner and the middle of its top.
bool FocusFramed(HWND main, HWND control) {
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&area), 2);
    const Rgb mark = MainWindowLayout().focusMark;
    const COLORREF white = RGB(mark.red, mark.green, mark.blue);
    return ScreenPixel(main, area.left, area.top) == white &&
           ScreenPixel(main, (area.left + area.right) / 2, area.top + 1) == white;
}

// Where the artwork fails to decode, the window shows its plain colour instead.
void CheckColours(HWND main, int dpi) {
    const Rgb plain = MainWindowLayout().plainBackground;
    const Rgb list = Control(ControlId::lbh).background;
    const Rect lbh = ScaledToDpi(Control(ControlId::lbh).rect, dpi);
    const COLORREF corner = ScreenPixel(main, 2, 2);
    Check(corner != CLR_INVALID && corner != RGB(plain.red, plain.green, plain.blue),
          "the artwork shows");
    Check(ScreenPixel(main, lbh.left + lbh.width / 2, lbh.Bottom() - 4) ==
              RGB(list.red, list.green, list.blue),
          "the category list's background colour");
}

// What else the window shows as it opens the conformance scenarios check.
void CheckCategories(HWND main) {
    LineFields fields;
    std::vector<std::wstring> categories;
    for (const std::string& name : FillCategoryList(ShippedCatalogue(), fields)) {
        categories.push_back(Wide(name));
    }
    Check(categories.size() == 16 && Items(Child(main, ControlId::lbh)) == categories,
          "the 16 categories");
}

void ChooseWithKeys(HWND main) {
    HWND lbh = Child(main, ControlId::lbh);
    HWND lbg = Child(main, ControlId::lbg);
    Check(Eventually([&] { return Focus(main) == lbh; }), "the categories have the focus");
    PostMessageW(lbh, WM_KEYDOWN, VK_TAB, 1);
    Check(Eventually([&] { return Focus(main) == lbg; }), "Tab moves it to the programmes");
    // Tab released here and Down choose the first programme, as the conformance scenarios check.
    PostMessageW(lbg, WM_KEYUP, VK_TAB, 1 | 3u << 30);
    Key(lbg, VK_DOWN);

    // Typed for real, so that Windows' own translation makes the character.
    std::vector<std::string> names;
    for (const std::wstring& item : Items(lbg)) {
        names.push_back(Narrow(item));
    }
    const int expected = SelectionAfterKey(0, names, {'B', ListMove::None, 'B'}, 1);
    INPUT keys[4]{};
    const WORD strokes[4][2] = {
        {VK_SHIFT, 0}, {'B', 0}, {'B', KEYEVENTF_KEYUP}, {VK_SHIFT, KEYEVENTF_KEYUP}};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = strokes[i][0];
        keys[i].ki.dwFlags = strokes[i][1];
    }
    SendInput(4, keys, sizeof keys[0]);
    Check(expected > 0 && Eventually([&] { return Send(lbg, LB_GETCURSEL) == expected; }),
          "a typed B selects the next programme that begins with it");

    // After the lists Tab reaches Start, then Pause; Space and Enter press them.
    HWND start = Child(main, ControlId::Shape1);
    PostMessageW(lbg, WM_KEYDOWN, VK_TAB, 1);
    Check(Eventually([&] { return Focus(main) == start; }), "Tab moves on to Start");
    Check(Eventually([&] { return FocusFramed(main, start); }), "a white frame marks Start");
    Key(start, VK_SPACE);
    Check(Shows(main, ControlId::Label1, kStatusRemaining), "Space presses Start: Restdauer");
    PostMessageW(start, WM_KEYDOWN, VK_TAB, 1);
    HWND pause = Child(main, ControlId::Shape3);
    Check(Eventually([&] { return Focus(main) == pause; }), "Tab moves on to Pause");
    Check(Eventually([&] { return FocusFramed(main, pause) && !FocusFramed(main, start); }),
          "the frame moves on to Pause");
    Key(pause, VK_RETURN);
    Check(Shows(main, ControlId::Label1, kStatusPause), "Enter presses Pause");
}

// The text of the program's tooltip once it shows one that `wanted` accepts, with the pointer
// held over `control`; the last text seen otherwise.
std::wstring ToolTipOver(HWND main, HWND control,
                         const std::function<bool(const std::wstring&)>& wanted) {
    RECT area{};
    GetWindowRect(control, &area);
    // A real move: the tooltip follows the pointer, not posted messages.
    for (int step = 0; step < 2; ++step) {
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = ((area.left + area.right) / 2 + step) * 65535 / GetSystemMetrics(SM_CXSCREEN);
        move.mi.dy = ((area.top + area.bottom) / 2) * 65535 / GetSystemMetrics(SM_CYSCREEN);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &move, sizeof move);
    }
    std::wstring shown;
    Eventually([&] {
        HWND tip = ShownToolTip(main);
        shown = tip ? Text(tip) : shown;
        return tip && wanted(shown);
    });
    return shown;
}

// The tip showing `first` stays open and takes the countdown's next text.
bool TipFollows(HWND main, const std::wstring& first,
                const std::function<bool(const std::wstring&)>& wanted) {
    bool open = true;
    std::wstring shown = first;
    Eventually([&] {
        HWND tip = ShownToolTip(main);
        open = tip != nullptr;
        shown = open ? Text(tip) : shown;
        return !open || shown != first;
    });
    return open && shown != first && wanted(shown);
}

void ChooseStartPauseStop(HWND main, const std::string& log, bool binary, int dpi) {
    const std::string off = binary ? "\xFF\x4B" : "C000000\r\n";
    const std::string green = binary ? "\xFF\x42" : "C00EC00\r\n";
    HWND lbg = Child(main, ControlId::lbg);
    Check(Eventually([&] { return Narrow(Text(Child(main, ControlId::ComboBox1))) == "USB"; }),
          "the status box finds the lamp");

    std::size_t since = ReadFile(log).size();
    const int itemHeight = ScaledToDpi(Control(ControlId::lbg).itemHeight, dpi);
    Press(lbg, 20, itemHeight / 2);
    // A native list would drag its selection along under the held button.
    PostMessageW(lbg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, itemHeight / 2));
    PostMessageW(lbg, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, itemHeight * 7 / 2));
    PostMessageW(lbg, WM_LBUTTONUP, 0, MAKELPARAM(20, itemHeight * 7 / 2));
    Check(Shows(main, ControlId::lt, "19:00") && Send(lbg, LB_GETCURSEL) == 0,
          "a drag leaves the selection on the programme pressed");
    // Below the last item the list names its nearest item and says the point lies outside.
    const Rect area = ScaledToDpi(Control(ControlId::lbg).rect, dpi);
    Press(lbg, 20, area.height - 4);
    Check(Shows(main, ControlId::lt, "19:00") && Send(lbg, LB_GETCURSEL) == 0,
          "a press beside the items leaves the selection");
    if (!binary) {  // the binary lamp's off command: in the conformance scenarios
        Check(SentSince(log, since, off), "the lamp is switched off: " + WriteLine(off));
    }

    since = ReadFile(log).size();
    PressCentre(Child(main, ControlId::Shape1));
    Check(Shows(main, ControlId::Label1, kStatusRemaining), "Start: Restdauer");
    Check(Shows(main, ControlId::lt, "18:59"), "the first tick: 18:59");
    Check(SentSince(log, since, green), "the first minute's colour: " + WriteLine(green));
    // The countdown runs on while the tooltip comes up: any second of the first green minute.
    const std::wstring now = WideFromCoreText("jetzt gr\xFCn, noch 4:");
    const std::wstring next =
        WideFromCoreText(" \xB7 danach gelb, 3 Min. \xB7 F2 sagt den Stand an");
    const auto tellsNowAndNext = [&](const std::wstring& text) {
        return text.starts_with(now) && text.ends_with(next) &&
               text.size() == now.size() + 2 + next.size();
    };
    const std::wstring shown = ToolTipOver(main, Child(main, ControlId::lt), tellsNowAndNext);
    Check(tellsNowAndNext(shown),
          "the time text's tooltip tells the colour now and next: " + Narrow(shown));
    Check(TipFollows(main, shown, tellsNowAndNext),
          "the tooltip stays open and follows the countdown");
    // Over the middle of the programme list: the steps of the programme there.
    HWND list = Child(main, ControlId::lbg);
    RECT client{};
    GetClientRect(list, &client);
    const int item =
        static_cast<int>(Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(1, client.bottom / 2)));
    ProgramStepTable steps;
    LineFields fields;
    std::vector<std::string> names;
    steps.FillProgramList(ShippedCatalogue(), 0, fields, names);
    const std::wstring stepsTip = WideFromCoreText(ProgrammeStepsText(steps, item));
    const std::wstring listTip =
        ToolTipOver(main, list, [&](const std::wstring& text) { return text.ends_with(stepsTip); });
    Check(!stepsTip.empty() && listTip.ends_with(stepsTip),
          "a programme's tooltip tells its steps: " + Narrow(listTip));
    if (!binary) {
        return;
    }

    // What a screen reader's "press" sends.
    Send(Child(main, ControlId::Shape3), BM_CLICK);
    Check(Shows(main, ControlId::Label1, kStatusPause), "Pause, pressed as a button");
    // Stop, whose texts and off command the conformance scenarios check.
    PressCentre(Child(main, ControlId::Shape2));

    PostMessageW(Child(main, ControlId::Shape1), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    Check(Eventually([&] { return IsWindowVisible(Child(main, ControlId::LStart)) != 0; }),
          "over Start its label shows");
    PostMessageW(main, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Check(Eventually([&] { return !IsWindowVisible(Child(main, ControlId::LStart)); }),
          "over the background it hides");
}

void CheckSecondStart(HWND main, const std::string& exe, const std::string& logFolder) {
    const std::string log = logFolder + "\\second.log";
    ShowWindow(main, SW_MINIMIZE);
    Check(Eventually([&] { return IsIconic(main) != 0; }), "the running window is minimised");
    const PROCESS_INFORMATION second = Start(exe, log);
    HWND box = FindTopLevel(L"#32770", Wide(kProgramTitle));
    Check(box && Text(GetDlgItem(box, IDC_MESSAGE_TEXT)) == Wide(kAlreadyRunningText),
          "a second start says the program runs already");
    Send(GetDlgItem(box, IDOK), BM_CLICK);
    Check(WaitForExit(second, 1), "the second start ends with exit code 1");
    Check(!IsIconic(main), "and brought the running window back");
    Check(GetFileAttributesA(log.c_str()) == INVALID_FILE_ATTRIBUTES,
          "the second start never loaded ftd2xx.dll");
}

std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    for (LRESULT i = 0, count = Send(combo, CB_GETCOUNT); i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(Send(combo, CB_GETLBTEXTLEN, i)) + 1, L'\0');
        item.resize(static_cast<std::size_t>(
            Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(item);
    }
    return items;
}

bool LampShows(HWND lamp, int id, std::string_view text) {
    return Eventually([&] { return Text(GetDlgItem(lamp, id)) == Wide(text); }, 5s);
}

// The demo's lamp window beside the main window, plugged in by its button; a treatment's first
// colour reaches it; closing it leaves the demo running.
void CheckDemo(HWND main, const PROCESS_INFORMATION& demo) {
    HWND lamp = FindTopLevel(FARB_LAMP_WINDOW_CLASS, Wide(kLampWindowTitle));
    Check(lamp != nullptr, "the lamp window opens");
    RECT mainFrame;
    RECT lampFrame;
    GetWindowRect(main, &mainFrame);
    GetWindowRect(lamp, &lampFrame);
    Check(lampFrame.left >= mainFrame.right && lampFrame.top == mainFrame.top,
          "the lamp window stands right of the main window");
    HWND kind = GetDlgItem(lamp, FARB_LAMP_KIND_ID);
    HWND plug = GetDlgItem(lamp, FARB_LAMP_PLUG_ID);
    HWND unplug = GetDlgItem(lamp, FARB_LAMP_UNPLUG_ID);
    std::vector<std::wstring> kinds;
    for (const LampKindChoice& choice : LampKindChoices()) {
        kinds.push_back(Wide(choice.label));
    }
    Check(ComboItems(kind) == kinds && Send(kind, CB_GETCURSEL) == 0, "the three lamp kinds");
    const std::vector<LampReadoutRow> rows = VirtualLampReadout{}.Rows();
    bool labelled = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        labelled &= Text(GetDlgItem(lamp, FARB_LAMP_ROW_LABEL_ID + static_cast<int>(i))) ==
                    Wide(rows[i].label);
    }
    Check(labelled, "the readout's row labels");
    Check(LampShows(lamp, FARB_LAMP_COLOUR_NAME_ID, "nicht eingesteckt") && IsWindowEnabled(plug) &&
              !IsWindowEnabled(unplug) && Text(plug) == Wide(kPlugButton) &&
              Text(unplug) == Wide(kUnplugButton),
          "unplugged: Einstecken, not Abziehen");

    Send(plug, BM_CLICK);
    Check(LampShows(lamp, FARB_LAMP_COLOUR_NAME_ID, "noch keine Farbe") &&
              LampShows(lamp, FARB_LAMP_ROW_VALUE_ID + 3, "Luma-Glanz eingesteckt") &&
              !IsWindowEnabled(plug) && IsWindowEnabled(unplug) && !IsWindowEnabled(kind),
          "Einstecken plugs the text lamp in");
    Check(Eventually([&] { return Narrow(Text(Child(main, ControlId::ComboBox1))) == "USB"; }),
          "the status box finds the virtual lamp");

    Press(Child(main, ControlId::lbg), 20,
          ScaledToDpi(Control(ControlId::lbg).itemHeight, kDesignDpi) / 2);
    Check(Shows(main, ControlId::lt, "19:00"), "programme 0 chosen");
    PressCentre(Child(main, ControlId::Shape1));
    Check(Shows(main, ControlId::lt, "18:59"), "Start: the first tick");
    Check(LampShows(lamp, FARB_LAMP_COLOUR_NAME_ID, "gr\xFCn") &&
              LampShows(lamp, FARB_LAMP_ROW_VALUE_ID, "43 30 30 45 43 30 30 0D 0A"),
          "the first minute's green reaches the lamp");
    HWND field = GetDlgItem(lamp, FARB_LAMP_FIELD_ID);
    RECT area;
    GetClientRect(field, &area);
    POINT centre{area.right / 2, area.bottom / 2};
    ClientToScreen(field, &centre);
    const RgbColour green = RgbOfCode(kColourGreen);
    Check(Eventually([&] {
              HDC screen = GetDC(nullptr);
              const COLORREF shown = GetPixel(screen, centre.x, centre.y);
              ReleaseDC(nullptr, screen);
              return shown == RGB(green.red, green.green, green.blue);
          }),
          "the lamp field is painted in that green");

    PostMessageW(lamp, WM_CLOSE, 0, 0);
    Check(Eventually([&] { return !IsWindowVisible(lamp); }) &&
              WaitForSingleObject(demo.hProcess, 0) == WAIT_TIMEOUT && IsWindowVisible(main),
          "closing the lamp window leaves the demo running");
}

// The version resource names the file, so that Windows' dialogs never take the demo for the
// program; both carry the maker and the copyright.
void CheckVersion(const std::string& exe, std::wstring_view description,
                  std::wstring_view fileName) {
    std::vector<char> block(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    const bool read =
        !block.empty() &&
        GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data());
    const auto value = [&](const wchar_t* name) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040704B0\\") + name;
        wchar_t* text = nullptr;
        UINT length = 0;
        if (!read ||
            !VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) ||
            length == 0) {
            return std::wstring();
        }
        return std::wstring(text);
    };
    Check(value(L"FileDescription") == description && value(L"OriginalFilename") == fileName,
          "the version resource names " + Narrow(std::wstring(fileName)));
    Check(value(L"ProductVersion") == Wide(FARB_VERSION) &&
              value(L"FileVersion") == Wide(FARB_VERSION),
          "the version resource carries the program's version");
    Check(value(L"CompanyName") == L"Lanvo" &&
              value(L"LegalCopyright") == L"Copyright (C) 2026 Lanvo",
          "the version resource names the maker and the copyright");
}

// The demo's title ends in " \x96 Demo", and its header shows the mark on its plate.
void CheckDemoMarked(HWND main) {
    Check(Text(main) == Wide(DemoWindowTitle()),
          "the demo's title is the program's with its suffix");
    const MarkLayout& mark = DemoMarkLayout();
    const COLORREF plate = RGB(mark.background.red, mark.background.green, mark.background.blue);
    const COLORREF lettering =
        RGB(mark.textColour.red, mark.textColour.green, mark.textColour.blue);
    int letterPixels = 0;
    const int middle = mark.rect.top + mark.rect.height / 2;
    const bool shown = Eventually([&] {
        letterPixels = 0;
        for (int x = mark.rect.left; x < mark.rect.Right(); ++x) {
            letterPixels += ScreenPixel(main, x, middle) == lettering;
        }
        return ScreenPixel(main, mark.rect.left + 1, mark.rect.top + 1) == plate &&
               ScreenPixel(main, mark.rect.Right() - 2, mark.rect.Bottom() - 2) == plate &&
               letterPixels > 10;
    });
    Check(shown,
          "the header shows the demo's mark (" + std::to_string(letterPixels) + " letter pixels)");
}

// Each scenario against a program started afresh, with a log of its own.
void CheckScenarios(const std::string& exe, const std::string& logFolder, int dpi) {
    for (const conformance::Scenario& scenario : conformance::Scenarios()) {
        const std::string log = logFolder + "\\" + scenario.name + ".log";
        const PROCESS_INFORMATION program = Start(exe, log);
        HWND main = AnswerNotice(true);
        if (!main) {
            TerminateProcess(program.hProcess, 1);
            WaitForExit(program, 1);
            continue;
        }
        Check(Eventually([&] { return Narrow(Text(Child(main, ControlId::ComboBox1))) == "USB"; }),
              "the status box finds the lamp");
        CheckScenario(main, log, dpi, scenario);
        PostMessageW(main, WM_CLOSE, 0, 0);
        Check(WaitForExit(program, 0), "closing the window ends the program");
    }
}

}  // namespace

int main(int argc, char** argv) {
    // As the program is: a reader unaware of the resolution gets every place scaled down (Wine 10
    // does so, as Windows does; Wine 8 did not).
    farb::BecomeDpiAware();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 3) {
        std::fprintf(stderr,
                     "usage: farb-inspect cancel|session|demo|speech|conformance exe logfolder "
                     "[dpi lamp]\n");
        return 2;
    }
    const std::string& exe = args[1];
    const std::string log = args[2] + "\\first.log";
    // While this file exists the fake lamp's cable is pulled.
    const std::string unplugged = args[2] + "\\unplugged";
    SetEnvironmentVariableA("FAKE_D2XX_UNPLUGGED", unplugged.c_str());
    if (args[0] == "conformance") {
        CheckScenarios(exe, args[2], args.size() > 3 ? std::stoi(args[3]) : kDesignDpi);
        return Failures() ? 1 : 0;
    }
    const PROCESS_INFORMATION first = Start(exe, log);
    if (args[0] == "cancel") {
        AnswerNotice(false);
        Check(WaitForExit(first, 0), "Abbrechen ends the program");
        return Failures() ? 1 : 0;
    }
    if (args[0] == "demo") {
        HWND main = AnswerNotice(true);
        CheckVersion(exe, L"Farbprogramm Demo", L"farbprogramm-demo.exe");
        CheckDemoMarked(main);
        CheckDemo(main, first);
        PostMessageW(main, WM_CLOSE, 0, 0);
        Check(WaitForExit(first, 0), "closing the main window ends the demo");
        return Failures() ? 1 : 0;
    }
    if (args[0] == "speech") {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        HWND main = AnswerNotice(true);
        if (main) {
            CheckSpokenTreatment(main, unplugged);
            PostMessageW(main, WM_CLOSE, 0, 0);
        }
        Check(WaitForExit(first, 0), "closing the window ends the program");
        return Failures() ? 1 : 0;
    }
    const int dpi = args.size() > 3 ? std::stoi(args[3]) : kDesignDpi;
    HWND main = AnswerNotice(true);
    if (!main) {
        TerminateProcess(first.hProcess, 1);
        return 1;
    }
    CheckLayout(main, dpi);
    CheckVersion(exe, L"Farbprogramm", L"farbprogramm.exe");
    CheckColours(main, dpi);
    CheckCategories(main);
    if (dpi != kDesignDpi) {
        ChooseWithKeys(main);
        CheckStrayKeys(main, log);
    } else {
        const bool binary = args.size() < 5 || args[4] == "binary";
        ChooseStartPauseStop(main, log, binary, dpi);
        if (!binary) {
            CheckSearch(main);
        }
        if (binary) {
            CheckSecondStart(main, exe, args[2]);
            CheckSleepAndSessionEnd(main, log, args.size() > 5 ? args[5] : "");
        }
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    Check(WaitForExit(first, 0), "closing the window ends the program");
    return Failures() ? 1 : 0;
}
