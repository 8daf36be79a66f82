#pragma once

#include <QImage>

namespace farb::artwork {

QImage DrawBackground();

}  // namespace farb::artwork
