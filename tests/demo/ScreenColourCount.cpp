// Prints how many pixels of one colour a rectangle of the X screen holds.
// Usage: screen-colour-count X Y WIDTH HEIGHT RRGGBB
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 6) {
        std::fprintf(stderr, "usage: screen-colour-count X Y WIDTH HEIGHT RRGGBB\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);
    const QRgb wanted = static_cast<QRgb>(std::strtoul(argv[5], nullptr, 16)) | 0xFF000000u;
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, x, y, width, height)
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    if (shot.isNull()) {
        std::fprintf(stderr, "the screen could not be read\n");
        return 1;
    }
    long count = 0;
    for (int row = 0; row < shot.height(); ++row) {
        for (int column = 0; column < shot.width(); ++column) {
            count += shot.pixel(column, row) == wanted;
        }
    }
    std::printf("%ld\n", count);
    return 0;
}
