#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <map>
#include <memory>
#include <optional>

#include "Artwork.h"
#include "AwakeRequest.h"
#include "ControlTable.h"
#include "FormFrontEnd.h"
#include "FtDriver.h"
#include "TaskbarProgress.h"
#include "Unit1.h"

namespace farb {

inline COLORREF ColourOf(Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// Form1 drawn with plain Win32 controls: it builds the controls of the control table, hands
// every event to the form's handler of the same name and does what the form asks. It decides
// nothing itself.
class MainWindow : public FormFrontEnd {
  public:
    // `demo`: the demo's title and the mark that no lamp is driven.
    MainWindow(HINSTANCE instance, FtDriver& driver, bool demo = false);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    HWND Handle() const { return window_; }
    void Show();

    void SetText(ControlId control, const std::string& text) override;
    void SetVisible(ControlId control, bool visible) override;
    void SetItems(ControlId control, const std::vector<std::string>& items) override;
    void SetSelection(ControlId control, int index) override;
    void SetToolTip(ControlId control, const std::string& text) override;
    void SetItemToolTips(ControlId list, const std::vector<ItemTip>& tips) override;
    bool ItemNameCut(ControlId list, int item) const override;
    void SetTimer(TimerId timer, bool on) override;
    bool ConfirmNotice() override;
    void ShowError(const std::string& title, const std::string& text) override;
    void Close() override;
    void AskForAttention() override;
    void PlayNotificationSound() override;
    void AnnounceEnd(const std::string& programme) override;
    void KeepAwake(bool on) override;
    void ShowProgress(const TreatmentProgress& progress) override;

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK HotSpotProcedure(HWND spot, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR self);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnListMessage(ControlId list, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnHotSpotMessage(ControlId spot, UINT message, WPARAM wParam, LPARAM lParam);
    // Sleep, the session's end and the task-bar button; nothing for other messages.
    std::optional<LRESULT> OnSystemMessage(UINT message, WPARAM wParam);
    // The form's close runs once, whether the session's end or the window's close comes first.
    void CloseForm();

    void CreateControls();
    // A new screen resolution: every control, font and the artwork anew.
    void LayOut(int dpi);
    void Configure(HWND control, const ControlLayout& entry, const Rect& rect);
    void FitComboHeight(HWND combo, int height);
    HFONT Font(int designPixels);
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawLabel(const DRAWITEMSTRUCT& item, const ControlLayout& entry);
    TTTOOLINFOW ToolOf(ControlId control) const;
    HWND ToolTipWindow();
    void ShowItemTip(ControlId list, int item);
    bool NameIsCut(HWND list, int item) const;
    HWND Of(ControlId control) const { return controls_[static_cast<std::size_t>(control)]; }
    const ControlLayout* LayoutOf(HWND control) const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::array<HWND, static_cast<std::size_t>(ControlId::LSTOp) + 1> controls_{};
    std::array<bool, static_cast<std::size_t>(ControlId::LSTOp) + 1> hasToolTip_{};
    int dpi_ = kDesignDpi;
    Artwork artwork_;
    std::map<int, HFONT> fonts_;  // by design pixel height, at dpi_
    HBRUSH listBrush_ = nullptr;
    HWND toolTip_ = nullptr;
    std::vector<std::wstring> itemTips_;  // the programme list's, by item
    int tippedItem_ = -1;                 // the item under the pointer that the tip is about
    std::wstring itemTipText_;
    HWND focus_ = nullptr;  // the control that had the focus when the window was deactivated
    WPARAM keyDown_ = 0;    // the last key pressed in a list, which its typed character belongs to
    AwakeRequest awake_;
    std::unique_ptr<TaskbarProgress> taskbar_;
    bool formClosed_ = false;
    std::unique_ptr<TForm1> form_;
};

}  // namespace farb
