#pragma once

#include <QWidget>
#include <QtGlobal>

namespace farb::testing {

// The control of a window by its object name; a missing control ends the test run at once.
template <class T>
T* FindControl(const QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control) {
        qFatal("no control %s", name);
    }
    return control;
}

}  // namespace farb::testing
