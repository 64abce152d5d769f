// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as PNG files into an icon-theme tree:
//   render_icons <folder> <side>...  ->  <folder>/<side>x<side>/apps/quorvane.png
#include <QDir>
#include <QImage>
#include <cstdio>

#include "ui/application_icon.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <folder> <side>...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int side = QByteArray(argv[i]).toInt();
        const QString size = QStringLiteral("%1x%1").arg(side);
        const QString apps = folder + QLatin1Char('/') + size + QStringLiteral("/apps");
        if (side <= 0 || !QDir().mkpath(apps) ||
            !quorvane::paint_application_icon(side).save(apps + QStringLiteral("/quorvane.png"))) {
            std::fprintf(stderr, "cannot write the %s icon into %s\n", argv[i], argv[1]);
            return 1;
        }
    }
    return 0;
}
