#pragma once

#include <QString>
#include <optional>

#include "JpegDecoder.h"

namespace farb::qt {

inline const QString kArtworkResource = QStringLiteral(":/farbprogramm/background.jpg");

// The embedded background picture, still compressed; nothing when it is missing or corrupt.
std::optional<JpegPicture> LoadArtwork(const QString& path = kArtworkResource);

}  // namespace farb::qt
