#pragma once

class QCoreApplication;

namespace farb::qt {

// The program speaks German whatever the system's locale: Qt's own texts included.
void InstallGermanTranslations(QCoreApplication& application);

}  // namespace farb::qt
