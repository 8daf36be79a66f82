#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace farb::qt {

// The window's modal boxes, injected so tests can answer them without a modal loop.
struct Dialogs {
    std::function<bool()> confirmNotice;  // true for OK, false for Cancel
    std::function<void(const QString& title, const QString& text)> showError;
};

// Boxes with their German button texts set here, so they stay German even without Qt's
// translation files.
std::unique_ptr<QMessageBox> CreateNoticeBox(QWidget* parent);
// Shows the notice modally: true when it was confirmed with OK.
bool ConfirmedNotice(QMessageBox& notice);
std::unique_ptr<QMessageBox> CreateErrorBox(QWidget* parent, const QString& title,
                                            const QString& text);
// Told to a second start while the program already runs.
std::unique_ptr<QMessageBox> CreateInformationBox(const QString& title, const QString& text);

Dialogs ModalDialogs(QWidget* parent);

}  // namespace farb::qt
