#include "Dialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "CoreText.h"
#include "FormTexts.h"

namespace farb::qt {

std::unique_ptr<QMessageBox> CreateNoticeBox(QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, FromCoreText(kNoticeTitle),
                                             FromCoreText(kNoticeText),
                                             QMessageBox::Ok | QMessageBox::Cancel, parent);
    box->button(QMessageBox::Ok)->setText(FromCoreText(kOkButton));
    box->button(QMessageBox::Cancel)->setText(FromCoreText(kCancelButton));
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Cancel);
    return box;
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
        [parent] { return CreateNoticeBox(parent)->exec() == QMessageBox::Ok; },
        [parent](const QString& title, const QString& text) {
            CreateErrorBox(parent, title, text)->exec();
        },
    };
}

}  // namespace farb::qt
