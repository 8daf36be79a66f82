#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <optional>

#include "Artwork.h"
#include "AwakeRequest.h"
#include "ControlTable.h"
#include "FontCache.h"
#include "FormFrontEnd.h"
#include "FormTexts.h"
#include "LampLink.h"
#include "TaskbarProgress.h"
#include "ToolTips.h"
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
    // The window shows `lampLink` and drives the lamp through it; the demo's `edition` has its
    // title and the mark that no lamp is driven.
    MainWindow(HINSTANCE instance, LampLink& lampLink, Edition edition = Edition::Program);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    HWND Handle() const { return window_; }
    void Show();
    // The window's keyboard shortcuts (Ctrl+F); true when `message` was one, already handled.
    bool TranslateShortcut(MSG& message);

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
    int AskForProgramme() override;
    void Close() override;
    void AskForAttention() override;
    void PlayNotificationSound() override;
    void AnnounceEnd(const std::string& programme) override;
    void KeepAwake(bool on) override;
    void ShowProgress(const TreatmentProgress& progress) override;
    void Announce(const Announcement& announcement) override;

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

  private:
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK HotSpotProcedure(HWND spot, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR self);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Painting, the owner-drawn items and their sizes; nothing for other messages.
    std::optional<LRESULT> OnDrawingMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnListMessage(ControlId list, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnHotSpotMessage(ControlId spot, UINT message, WPARAM wParam, LPARAM lParam);
    // Sleep, the session's end and the task-bar button; nothing for other messages.
    std::optional<LRESULT> OnSystemMessage(UINT message, WPARAM wParam);

    void CreateControls();
    void ApplyFocusChain();
    // A new screen resolution: every control, font and the artwork anew.
    void LayOut(int dpi);
    void Configure(HWND control, const ControlLayout& entry, const Rect& rect);
    void FitComboHeight(HWND combo, int height);
    // The frame around the client area at the window's resolution: centred in the work area at
    // creation, at the place Windows suggests after a change of resolution.
    void FitFrame(const RECT* suggested = nullptr);
    void OnCommand(WORD command);
    void OnTimer(WPARAM timer);
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawLabel(const DRAWITEMSTRUCT& item, const ControlLayout& entry);
    void ShowItemTip(ControlId list, int item);
    HWND Of(ControlId control) const { return controls_[static_cast<std::size_t>(control)]; }
    const ControlLayout* LayoutOf(HWND control) const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::vector<HWND> controls_ = std::vector<HWND>(Controls().size());  // by ControlId
    int dpi_ = kDesignDpi;
    Artwork artwork_;
    FontCache fonts_;
    HBRUSH listBrush_ = nullptr;
    ToolTips toolTips_;
    HACCEL shortcuts_ = nullptr;
    HWND focus_ = nullptr;
    HWND liveRegion_ = nullptr;  // the control that had the focus when the window was deactivated
    WPARAM keyDown_ = 0;  // the last key pressed in a list, which its typed character belongs to
    AwakeRequest awake_;
    std::unique_ptr<TaskbarProgress> taskbar_;
    std::unique_ptr<TForm1> form_;
};

}  // namespace farb
