// Writes the program's icon in the desktop's usual sizes:
// make_icon OUTPUT_DIR  ->  OUTPUT_DIR/<N>x<N>/apps/tarvenor.png
#include "ui/WindowArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "folosire: make_icon FOLDER\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(dir) || !WindowArt::drawIcon(size).save(dir + QStringLiteral("/tarvenor.png"))) {
            std::fprintf(stderr, "nu pot scrie %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
