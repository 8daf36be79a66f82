#include "ProgramIcon.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

namespace farb::qt {

QIcon ProgramIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/farbprogramm/icons"));
    for (const QString& file : sizes.entryList(QDir::Files)) {
        // Read as PNG and nothing else: a reader left to guess the format loads every image
        // plugin installed, and the libraries those pull in, to ask each of them.
        QImageReader reader(sizes.filePath(file), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

}  // namespace farb::qt
