#pragma once

#include <QRect>
#include <QSize>

#include "ControlTable.h"

// The main window's controls, in client-area pixels; the artwork is drawn to lie under them.
namespace farb::artwork {

// One row short of the client area: the window's bottom pixel row shows the plain background.
inline const QSize kPictureSize{MainWindowLayout().clientWidth,
                                MainWindowLayout().clientHeight - 1};

inline QRect RectOf(ControlId control) {
    const Rect& rect = Control(control).rect;
    return {rect.left, rect.top, rect.width, rect.height};
}

inline const QRect kCategoryList = RectOf(ControlId::lbh);
inline const QRect kProgramList = RectOf(ControlId::lbg);
inline const QRect kStatusBox = RectOf(ControlId::ComboBox1);
inline const QRect kStartSpot = RectOf(ControlId::Shape1);
inline const QRect kPauseSpot = RectOf(ControlId::Shape3);
inline const QRect kStopSpot = RectOf(ControlId::Shape2);
inline const QRect kSearchSpot = RectOf(ControlId::Shape4);

}  // namespace farb::artwork
