#include "Dialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "CoreText.h"
#include "FormTexts.h"

namespace farb::qt {

namespace {

// The boxes' buttons are their own rather than standard ones, plain as on Windows: a standard
// button fetches its icon from the desktop's icon theme, and reading the theme's index cost every
// start half a MiB.
std::unique_ptr<QMessageBox> CreateBoxWithOk(QMessageBox::Icon icon, const QString& title,
                                             const QString& text, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(icon, title, text, QMessageBox::NoButton, parent);
    box->setDefaultButton(box->addButton(FromCoreText(kOkButton), QMessageBox::AcceptRole));
    return box;
}

}  // namespace

std::unique_ptr<QMessageBox> CreateNoticeBox(QWidget* parent) {
    auto box = CreateBoxWithOk(QMessageBox::NoIcon, FromCoreText(kNoticeTitle),
                               FromCoreText(kNoticeText), parent);
    box->setEscapeButton(box->addButton(FromCoreText(kCancelButton), QMessageBox::RejectRole));
    return box;
}

bool ConfirmedNotice(QMessageBox& notice) {
    notice.exec();
    return notice.buttonRole(notice.clickedButton()) == QMessageBox::AcceptRole;
}

std::unique_ptr<QMessageBox> CreateErrorBox(QWidget* parent, const QString& title,
                                            const QString& text) {
    return CreateBoxWithOk(QMessageBox::Critical, title, text, parent);
}

std::unique_ptr<QMessageBox> CreateInformationBox(const QString& title, const QString& text) {
    return CreateBoxWithOk(QMessageBox::Information, title, text, nullptr);
}

Dialogs ModalDialogs(QWidget* parent) {
    return Dialogs{
        [parent] { return ConfirmedNotice(*CreateNoticeBox(parent)); },
        [parent](const QString& title, const QString& text) {
            CreateErrorBox(parent, title, text)->exec();
        },
    };
}

}  // namespace farb::qt
