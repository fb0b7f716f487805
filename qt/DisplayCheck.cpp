// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace stackfall {

namespace {

// A message handler is a plain function, so what it needs lives here.
struct Startup {
    QtMessageHandler previous = nullptr;
    bool holding = false;
    QList<std::pair<QtMsgType, QString>> held;
};

Startup& startup() {
    static Startup s;
    return s;
}

bool x11Platform() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("xcb");
}

[[noreturn]] void noDisplay() {
    const QByteArray display = qgetenv("DISPLAY");
    if (!x11Platform()) {
        std::fprintf(stderr, "stackfall: cannot open a display with the platform %s\n",
                     qgetenv("QT_QPA_PLATFORM").constData());
    } else if (display.isEmpty()) {
        std::fputs("stackfall: cannot open a display (DISPLAY is not set)\n", stderr);
    } else {
        std::fprintf(stderr, "stackfall: cannot open the display %s\n", display.constData());
    }
    std::_Exit(1);
}

void holdBack(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        noDisplay();
    }
    startup().held.append({type, message});
}

} // namespace

DisplayCheck::DisplayCheck() {
    // Qt itself decides whether a display can be had (every platform has its
    // own idea of one); its fatal message is what this turns into one line.
    startup().holding = true;
    startup().previous = qInstallMessageHandler(holdBack);
}

void DisplayCheck::started() {
    Startup& s = startup();
    if (!s.holding) {
        return;
    }
    s.holding = false;
    qInstallMessageHandler(s.previous);
    const QMessageLogContext context;
    for (const auto& [type, message] : std::as_const(s.held)) {
        qt_message_output(type, context, message);
    }
    s.held.clear();
}

DisplayCheck::~DisplayCheck() {
    started();
}

} // namespace stackfall
