// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the game into the folder given on the command line.
// Run through tools/make_pictures.sh, which writes into assets/pictures.

#include "Output.h"
#include "Paint.h"
#include "Pictures.h"

#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const bool containersOnly =
        args.size() == 3 && args.at(1) == QStringLiteral("--icon-containers");
    if (args.size() != 2 && !containersOnly) {
        std::fprintf(stderr, "usage: make_pictures [--icon-containers] <output folder>\n");
        return 2;
    }
    QDir dir(args.last());
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_pictures: cannot create %s\n", qPrintable(args.last()));
        return 1;
    }
    // Another face would still draw, but the committed pictures would change
    // from machine to machine.
    const QFontInfo face(stackfall::pictures::dejaVu(12));
    if (face.family() != QStringLiteral("DejaVu Sans") ||
        face.styleName() != QStringLiteral("Bold")) {
        std::fprintf(stderr, "make_pictures: DejaVu Sans Bold is missing (got %s %s)\n",
                     qPrintable(face.family()), qPrintable(face.styleName()));
        return 1;
    }

    stackfall::pictures::Output out(dir);
    try {
        if (containersOnly) {
            stackfall::pictures::writeIconContainers(out, dir);
            return out.ok() ? 0 : 1;
        }
        stackfall::pictures::writeIcons(out);
        stackfall::pictures::writeButtons(out);
        stackfall::pictures::writePauseBanner(out);
        stackfall::pictures::writePanel(out);
        stackfall::pictures::writeGameOver(out);
        stackfall::pictures::writeCredits(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_pictures: %s\n", error.what());
        return 1;
    }
    if (!out.ok()) {
        return 1;
    }
    std::printf("make_pictures: wrote %d files to %s\n", out.written(),
                qPrintable(dir.absolutePath()));
    return 0;
}
