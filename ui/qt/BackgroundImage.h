#pragma once

#include <QImage>
#include <QWidget>

namespace farb::qt {

// The background picture; reports mouse moves that reach it past the controls above.
class BackgroundImage : public QWidget {
    Q_OBJECT

  public:
    explicit BackgroundImage(QWidget* parent = nullptr);
    void SetPicture(const QImage& picture);
    bool HasPicture() const { return !picture_.isNull(); }

  signals:
    void MouseMove(QPoint at);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace farb::qt
