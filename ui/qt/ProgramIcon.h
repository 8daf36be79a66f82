#pragma once

#include <QIcon>

namespace farb::qt {

// The program's icon at every size built from its SVG, for the windows of both programs.
QIcon ProgramIcon();

}  // namespace farb::qt
