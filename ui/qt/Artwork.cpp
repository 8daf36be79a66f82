#include "Artwork.h"

#include <QFile>
#include <span>

#include "JpegDecoder.h"

namespace farb::qt {

QImage LoadArtwork(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const auto decoded =
        DecodeJpeg(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size())));
    if (!decoded) {
        return {};
    }
    QImage image(decoded->rgb.data(), decoded->width, decoded->height, decoded->width * 3,
                 QImage::Format_RGB888);
    return image.copy();
}

}  // namespace farb::qt
