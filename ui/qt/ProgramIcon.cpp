#include "ProgramIcon.h"

#include <QDir>

namespace farb::qt {

QIcon ProgramIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/farbprogramm/icons"));
    for (const QString& file : sizes.entryList(QDir::Files)) {
        icon.addFile(sizes.filePath(file));
    }
    return icon;
}

}  // namespace farb::qt
