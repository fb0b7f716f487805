// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
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

// Qt reports each platform it could not open after the lines, if any, that
// say why; a plugin it could not find at all comes in a Debian package of
// its own.
struct Attempt {
    QString platform;
    QString reason;
};

QString packageOf(const QString& platform) {
    if (platform == QLatin1String("wayland")) {
        return QStringLiteral("qt6-wayland");
    }
    if (platform == QLatin1String("xcb")) {
        return QStringLiteral("libqt6gui6");
    }
    return {};
}

QList<Attempt> attempts(const QList<std::pair<QtMsgType, QString>>& messages) {
    static const QRegularExpression verdict(
        QStringLiteral(R"re(^Could not (find|load) the Qt platform plugin "([^"]*)")re"));
    QList<Attempt> tried;
    QStringList why;
    for (const auto& [type, message] : messages) {
        const QRegularExpressionMatch match = verdict.match(message);
        if (!match.hasMatch()) {
            why.append(message.trimmed());
            continue;
        }
        Attempt attempt{match.captured(2), why.join(QLatin1String("; "))};
        if (match.captured(1) == QLatin1String("find")) {
            const QString package = packageOf(attempt.platform);
            attempt.reason =
                package.isEmpty()
                    ? QStringLiteral("Qt has no such platform plugin")
                    : QStringLiteral("its plugin is missing: install the package %1").arg(package);
        } else if (attempt.reason.isEmpty()) {
            attempt.reason = QStringLiteral("Qt gave no reason");
        }
        tried.append(attempt);
        why.clear();
    }
    return tried;
}

[[noreturn]] void noDisplay() {
    const QByteArray display = qgetenv("DISPLAY");
    const QList<Attempt> tried = attempts(startup().held);
    const bool onlyX11 = tried.size() == 1 && tried.front().platform == QLatin1String("xcb");
    if (onlyX11 && display.isEmpty()) {
        std::fputs("stackfall: cannot open a display (DISPLAY is not set)\n", stderr);
    } else if (onlyX11) {
        std::fprintf(stderr, "stackfall: cannot open the display %s\n", display.constData());
    } else {
        std::fputs("stackfall: cannot open a display; Qt tried:\n", stderr);
        for (const Attempt& attempt : tried) {
            std::fprintf(stderr, "  %s: %s\n", qPrintable(attempt.platform),
                         qPrintable(attempt.reason));
        }
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
