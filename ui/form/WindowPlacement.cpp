#include "WindowPlacement.h"

namespace farb {

ScreenPoint CentredIn(const Rect& workArea, int width, int height) {
    return {workArea.left + (workArea.width - width) / 2,
            workArea.top + (workArea.height - height) / 2};
}

WindowPair SideBySide(const Rect& workArea, const Rect& mainFrame, int lampWidth, int gap) {
    const int width = mainFrame.width + gap + lampWidth;
    if (width > workArea.width) {
        return {{mainFrame.left, mainFrame.top}, {workArea.Right() - lampWidth, workArea.top}};
    }
    const int left = workArea.left + (workArea.width - width) / 2;
    return {{left, mainFrame.top}, {left + mainFrame.width + gap, mainFrame.top}};
}

}  // namespace farb
