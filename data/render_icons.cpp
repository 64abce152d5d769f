// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as PNG files into an icon-theme tree:
//   render_icons <folder> <name> <side>...  ->  <folder>/<side>x<side>/apps/<name>.png
#include <QDir>
#include <QImage>
#include <cstdio>

#include "ui/application_icon.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <folder> <name> <side>...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]) + QStringLiteral(".png");
    for (int i = 3; i < argc; ++i) {
        const int side = QByteArray(argv[i]).toInt();
        const QString size = QStringLiteral("%1x%1").arg(side);
        const QString apps = folder + QLatin1Char('/') + size + QStringLiteral("/apps");
        if (side <= 0 || !QDir().mkpath(apps) ||
            !quorvane::paint_application_icon(side).save(apps + QLatin1Char('/') + file)) {
            std::fprintf(stderr, "cannot write the %s icon into %s\n", argv[i], argv[1]);
            return 1;
        }
    }
    return 0;
}
