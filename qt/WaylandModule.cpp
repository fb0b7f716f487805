// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaylandModule.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QString>

namespace stackfall {

const WaylandCalls* waylandModule() {
    // Asked before the application object exists, which would know its folder.
    const QString here = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (here.isEmpty()) {
        return nullptr; // never a bare file name, which the loader would search for
    }
    for (const QString& folder :
         {here, QDir::cleanPath(here + QStringLiteral("/" STACKFALL_MODULES_INSTALLED))}) {
        QLibrary module(QDir(folder).filePath(QStringLiteral(STACKFALL_WAYLAND_MODULE_FILE)));
        const auto get = reinterpret_cast<GetWaylandCalls>(module.resolve(GetWaylandCallsName));
        if (get != nullptr) {
            return get();
        }
    }
    return nullptr;
}

std::unique_ptr<PlasmaShell> bindPlasmaShell() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return nullptr;
    }
    const WaylandCalls* calls = waylandModule();
    return std::unique_ptr<PlasmaShell>(calls != nullptr ? calls->bindPlasmaShell() : nullptr);
}

} // namespace stackfall
