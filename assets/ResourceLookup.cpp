#include "ResourceLookup.h"

#include <QResource>
#include <QString>

namespace stackfall {

std::span<const std::byte> embeddedResource(std::string_view type, int id) {
    const QString folder =
        QString::fromUtf8(type.data(), static_cast<qsizetype>(type.size())).toUpper();
    if (folder.isEmpty() || folder.contains(QLatin1Char('/')) || id < 0) {
        return {};
    }
    const QResource resource(QStringLiteral(":/%1/%2.wav").arg(folder).arg(id));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.data() == nullptr) {
        return {};
    }
    return {reinterpret_cast<const std::byte*>(resource.data()),
            static_cast<std::size_t>(resource.size())};
}

} // namespace stackfall
