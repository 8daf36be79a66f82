#include "FormTexts.h"

#include "ControlTable.h"

namespace farb {

std::string WindowTitle(Edition edition) {
    return edition == Edition::Demo ? DemoWindowTitle() : std::string(kWindowTitle);
}

std::string DemoWindowTitle() {
    return std::string(MainWindowLayout().title) + std::string(kDemoTitleSuffix);
}

std::vector<std::string> StatusItems() {
    return {"keine Verbindung", "USB", "USB", "USB"};
}

std::string_view OpenFailureHint(OpenFailure failure) {
    switch (failure) {
        case OpenFailure::None:
            return {};
        case OpenFailure::NoPermission:
            return "Die Lampe ist angeschlossen, aber dieses Benutzerkonto darf sie nicht "
                   "\xF6"
                   "ffnen (keine Zugriffsrechte). Abhilfe: README, Abschnitt \"USB shown, lamp "
                   "dark\".";
        case OpenFailure::InUse:
            return "Die Lampe ist angeschlossen, aber ein anderes Programm oder ein anderer "
                   "Treiber belegt sie. Abhilfe: README, Abschnitt \"USB shown, lamp dark\".";
        case OpenFailure::Other:
            break;
    }
    return "Die Lampe ist angeschlossen, l\xE4sst sich aber nicht \xF6"
           "ffnen. Abhilfe: README, Abschnitt \"USB shown, lamp dark\".";
}

}  // namespace farb
