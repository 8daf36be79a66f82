#pragma once

#include <QImage>
#include <QString>

namespace farb::qt {

inline const QString kArtworkResource = QStringLiteral(":/farbprogramm/background.jpg");

// Decodes the embedded background picture; a null image when it is missing or corrupt.
QImage LoadArtwork(const QString& path = kArtworkResource);

}  // namespace farb::qt
