#pragma once

#include <QWidget>
#include <optional>

#include "JpegDecoder.h"

namespace farb::qt {

// The background picture; reports mouse moves that reach it past the controls above.
// The picture stays compressed and each repaint decodes just the rows it covers, a band at a
// time: the window's own backing store already holds the pixels on screen.
class BackgroundImage : public QWidget {
    Q_OBJECT

  public:
    explicit BackgroundImage(QWidget* parent = nullptr);
    void SetPicture(std::optional<JpegPicture> picture);
    bool HasPicture() const { return picture_.has_value(); }

  signals:
    void MouseMove(QPoint at);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    std::optional<JpegPicture> picture_;
};

}  // namespace farb::qt
