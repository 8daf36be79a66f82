#include "Artwork.h"

#include <QFile>
#include <cstdint>
#include <utility>
#include <vector>

namespace farb::qt {

std::optional<JpegPicture> LoadArtwork(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.size()));
    const auto read = file.read(reinterpret_cast<char*>(bytes.data()), file.size());
    if (read != file.size()) {
        return std::nullopt;
    }
    return JpegPicture::Open(std::move(bytes));
}

}  // namespace farb::qt
