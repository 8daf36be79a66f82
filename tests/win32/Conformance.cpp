#include "Conformance.h"

#include <cstdlib>
#include <vector>

#include "InspectorTools.h"

namespace farb::inspect {
namespace {

using namespace conformance;

WPARAM VirtualKey(conformance::Key key) {
    switch (key) {
        case conformance::Key::Down:
            return VK_DOWN;
        case conformance::Key::Space:
            return VK_SPACE;
        case conformance::Key::Enter:
            return VK_RETURN;
        case conformance::Key::Shift:
            return VK_SHIFT;
        case conformance::Key::Tab:
            return VK_TAB;
    }
    return 0;
}

// The program's window from outside: presses and keys posted where the operator's would arrive,
// ticks posted as the system posts its timer's. Each action waits until the program has handled
// what it posted and what that handling posted in turn.
class ProgramWindow : public WindowUnderTest {
  public:
    ProgramWindow(HWND main, std::string log, int dpi)
        : main_(main), log_(std::move(log)), dpi_(dpi) {}

    void Press(ControlId control, Button button, int item) override {
        POINT point{};
        HWND target = Child(main_, control);
        if (item >= 0) {
            RECT row{};
            Send(target, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
            point = {(row.left + row.right) / 2, (row.top + row.bottom) / 2};
        } else {
            // Whatever window lies at the place the table gives.
            const Rect rect = ScaledToDpi(Control(control).rect, dpi_);
            point = {rect.left + rect.width / 2,
                     item == kBesideItems ? rect.Bottom() - 4 : rect.top + rect.height / 2};
            target = ChildWindowFromPointEx(main_, point, CWP_SKIPINVISIBLE);
            MapWindowPoints(main_, target, &point, 1);
        }
        const UINT down = button == Button::Left    ? WM_LBUTTONDOWN
                          : button == Button::Right ? WM_RBUTTONDOWN
                                                    : WM_MBUTTONDOWN;
        inspect::Press(target, point.x, point.y, down);
        Settle();
    }
    void KeyDown(ControlId control, conformance::Key key) override {
        PostMessageW(Child(main_, control), WM_KEYDOWN, VirtualKey(key), 1);
        Settle();
    }
    void KeyUp(ControlId control, conformance::Key key) override {
        PostMessageW(Child(main_, control), WM_KEYUP, VirtualKey(key), 1 | 3u << 30);
        Settle();
    }
    void Tick(int count) override {
        for (int tick = 0; tick < count; ++tick) {
            PostMessageW(main_, WM_TIMER, 1, 0);
        }
        Settle();
    }
    std::string Text(ControlId control) override {
        return Narrow(inspect::Text(Child(main_, control)));
    }
    int Selection(ControlId list) override {
        const LRESULT selected = Send(Child(main_, list), LB_GETCURSEL);
        return selected == LB_ERR ? -1 : static_cast<int>(selected);
    }
    int Count(ControlId list) override {
        return static_cast<int>(Send(Child(main_, list), LB_GETCOUNT));
    }
    std::string Item(ControlId list, int item) override {
        const std::vector<std::wstring> items = Items(Child(main_, list));
        return item < static_cast<int>(items.size()) ? Narrow(items[item]) : "";
    }
    // The bytes of every FT_Write in the fake's log.
    std::vector<std::uint8_t> LampBytes() override {
        std::vector<std::uint8_t> bytes;
        const std::string text = ReadFile(log_);
        const std::string write = "FT_Write(";
        for (std::size_t at = text.find(write); at != std::string::npos;
             at = text.find(write, at + 1)) {
            const char* hex = text.c_str() + at + write.size();
            char* end = nullptr;
            for (long byte = std::strtol(hex, &end, 16); end != hex && byte >= 0 && byte <= 0xFF;
                 byte = std::strtol(hex, &end, 16)) {
                bytes.push_back(static_cast<std::uint8_t>(byte));
                hex = end;
            }
        }
        return bytes;
    }

  private:
    // Posted messages are handled in order: once the status box holds the item data posted last,
    // everything posted before it was handled. A second round covers what that posted in turn.
    // Read at once rather than every 20 ms: the program's own treatment timer, which the posted
    // ticks stand in for, must not come first.
    void Settle() {
        HWND marked = Child(main_, ControlId::ComboBox1);
        for (int round = 0; round < 2; ++round) {
            const LPARAM mark = ++marks_;
            PostMessageW(marked, CB_SETITEMDATA, 0, mark);
            const auto deadline = std::chrono::steady_clock::now() + 10s;
            while (Send(marked, CB_GETITEMDATA) != mark) {
                if (std::chrono::steady_clock::now() > deadline) {
                    Check(false, "the program handles what was posted to it");
                    return;
                }
                Sleep(1);
            }
        }
    }

    HWND main_;
    std::string log_;
    int dpi_;
    LPARAM marks_ = 0;
};

}  // namespace

void CheckScenario(HWND main, const std::string& log, int dpi, const Scenario& scenario) {
    ProgramWindow window(main, log, dpi);
    const std::vector<std::string> mismatches = Play(scenario, window);
    for (const std::string& mismatch : mismatches) {
        Check(false, mismatch);
    }
    Check(mismatches.empty(), scenario.name + " plays as the form does");
}

}  // namespace farb::inspect
