#include "Dialogs.h"

#include <QMessageBox>
#include <QPushButton>

namespace farb {

namespace {
const char* const kNoticeTitle = "Wichtiger Hinweis";
const char* const kNoticeText = "Die Licht und Farbterapie ersetzt nicht den Arztbesuch";
const char* const kDriverErrorTitle = "Fehler";
const char* const kProgramTitle = "Farbprogramm";
const char* const kAlreadyRunningText =
    "Das Farbprogramm l\xE4uft bereits. Es kann nur ein Farbprogramm die Lampe steuern.";
}  // namespace

std::unique_ptr<QMessageBox> CreateNoticeBox(QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QString::fromLatin1(kNoticeTitle),
                                             QString::fromLatin1(kNoticeText),
                                             QMessageBox::Ok | QMessageBox::Cancel, parent);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box->button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

std::unique_ptr<QMessageBox> CreateErrorBox(QWidget* parent, const QString& title,
                                            const QString& text) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    return box;
}

std::unique_ptr<QMessageBox> CreateAlreadyRunningBox() {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Information, QString::fromLatin1(kProgramTitle),
                                      QString::fromLatin1(kAlreadyRunningText), QMessageBox::Ok);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    return box;
}

Dialogs ModalDialogs(QWidget* parent) {
    return Dialogs{
        [parent] { return CreateNoticeBox(parent)->exec() == QMessageBox::Ok; },
        [parent](const QString& text) {
            CreateErrorBox(parent, QString::fromLatin1(kProgramTitle), text)->exec();
        },
        [parent](const QString& text) {
            CreateErrorBox(parent, QString::fromLatin1(kDriverErrorTitle), text)->exec();
        },
    };
}

}  // namespace farb
