#include "Search.h"

#include "FormTexts.h"
#include "InspectorTools.h"
#include "TreatmentControl.h"

namespace farb::inspect {
namespace {

// The search dialog of the program, once it shows.
HWND SearchDialog() {
    return FindTopLevel(L"#32770", Wide(kSearchTitle));
}

bool Closed(HWND dialog) {
    return Eventually([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

}  // namespace

void CheckSearch(HWND main) {
    // Typed for real into the main window.
    SetForegroundWindow(main);
    TypeKey(VK_CONTROL, false);
    TypeKey('F', false);
    TypeKey('F', true);
    TypeKey(VK_CONTROL, true);
    HWND dialog = SearchDialog();
    Check(dialog != nullptr, "Ctrl+F opens \"Programm suchen\"");
    if (!dialog) {
        return;
    }
    HWND query = GetDlgItem(dialog, IDC_SEARCH_QUERY);
    HWND found = GetDlgItem(dialog, IDC_SEARCH_FOUND);
    Check(Eventually([&] { return Items(found).size() == 198; }),
          "before anything is typed it lists every programme");
    Check(Text(GetDlgItem(dialog, IDOK)) == L"&Ausw\u00e4hlen" &&
              Text(GetDlgItem(dialog, IDCANCEL)) == L"Abbrechen",
          "its buttons are German");
    for (const char character : std::string_view("migraene")) {
        PostMessageW(query, WM_CHAR, static_cast<WPARAM>(character), 1);
    }
    const std::vector<std::wstring> migraine{L"Migr\u00e4ne \u2014 Allgemeine Krankheiten 2"};
    Check(Eventually([&] { return Items(found) == migraine; }), "typing narrows it to Migraene");
    Key(query, VK_RETURN);
    Check(Closed(dialog), "Enter chooses and closes it");
    Check(Send(Child(main, ControlId::lbh), LB_GETCURSEL) == 1 &&
              Send(Child(main, ControlId::lbg), LB_GETCURSEL) == 2 &&
              Shows(main, ControlId::Label1, kStatusDuration),
          "the choice is the heading's and the programme's click");

    PressCentre(Child(main, ControlId::Shape4));
    dialog = SearchDialog();
    Check(dialog != nullptr, "the magnifier opens it too");
    if (dialog) {
        PostMessageW(GetDlgItem(dialog, IDC_SEARCH_QUERY), WM_CHAR, 'x', 1);
        Key(GetDlgItem(dialog, IDC_SEARCH_QUERY), VK_ESCAPE);
        Check(Closed(dialog), "Escape closes it");
    }
    Check(Send(Child(main, ControlId::lbg), LB_GETCURSEL) == 2, "and changes nothing");
}

}  // namespace farb::inspect
