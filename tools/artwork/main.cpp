#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "BackgroundArtwork.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: artwork-generator OUTPUT.jpg\n");
        return 2;
    }

    QImageWriter writer(arguments[1], "jpeg");
    writer.setQuality(90);
    writer.setOptimizedWrite(true);
    if (!writer.write(farb::artwork::DrawBackground())) {
        std::fprintf(stderr, "artwork-generator: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
