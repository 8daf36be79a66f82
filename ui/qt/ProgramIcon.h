#pragma once

#include <QIcon>

namespace farb::qt {

// The program's icon at the window's sizes, for the windows of both programs.
QIcon ProgramIcon();

}  // namespace farb::qt
