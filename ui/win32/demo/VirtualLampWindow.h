#pragma once

#include <windows.h>

#include <vector>

#include "VirtualLamp.h"
#include "VirtualLampReadout.h"

namespace farb {

// The demo's "Virtuelle Lampe" in plain Win32: shows the lamp's readout and lets the user pick the
// kind, plug it in and pull it out. Closing it only hides it; the demo ends with its main window.
class VirtualLampWindow {
  public:
    VirtualLampWindow(HINSTANCE instance, VirtualLamp& lamp);
    VirtualLampWindow(const VirtualLampWindow&) = delete;
    VirtualLampWindow& operator=(const VirtualLampWindow&) = delete;
    ~VirtualLampWindow();

    HWND Handle() const { return window_; }

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int notification);
    void CreateControls();
    void MakeFonts();
    void LayOut();
    void ShowReadout();

    HINSTANCE instance_;
    VirtualLamp& lamp_;
    HWND window_ = nullptr;
    HWND field_ = nullptr;
    HWND colourName_ = nullptr;
    std::vector<HWND> rowLabels_;  // one of each for a row of the readout
    std::vector<HWND> rowValues_;
    HWND kindLabel_ = nullptr;
    HWND kind_ = nullptr;
    HWND plug_ = nullptr;
    HWND unplug_ = nullptr;
    int dpi_ = 96;
    HFONT font_ = nullptr;
    HFONT largeFont_ = nullptr;
    HBRUSH fieldBrush_ = nullptr;
    COLORREF fieldColour_ = CLR_INVALID;
};

}  // namespace farb
