#include "Dialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "CoreText.h"
#include "FormTexts.h"

namespace farb::qt {

std::unique_ptr<QMessageBox> CreateNoticeBox(QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::NoIcon, FromCoreText(kNoticeTitle),
                                      FromCoreText(kNoticeText), QMessageBox::NoButton, parent);
    // Buttons of the box's own rather than standard ones: a standard button fetches its icon
    // from the desktop's icon theme, and reading the theme's index costs every start half a MiB.
    QPushButton* ok = box->addButton(FromCoreText(kOkButton), QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(FromCoreText(kCancelButton), QMessageBox::RejectRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(cancel);
    return box;
}

bool ConfirmedNotice(QMessageBox& notice) {
    notice.exec();
    return notice.buttonRole(notice.clickedButton()) == QMessageBox::AcceptRole;
}

std::unique_ptr<QMessageBox> CreateErrorBox(QWidget* parent, const QString& title,
                                            const QString& text) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box->button(QMessageBox::Ok)->setText(FromCoreText(kOkButton));
    return box;
}

std::unique_ptr<QMessageBox> CreateInformationBox(const QString& title, const QString& text) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Information, title, text, QMessageBox::Ok);
    box->button(QMessageBox::Ok)->setText(FromCoreText(kOkButton));
    return box;
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
