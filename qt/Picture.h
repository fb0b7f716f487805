// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QPoint;

namespace stackfall {

// Decodes the embedded PNG picture `name` (":/pictures/<name>.png") with
// the game's own reader, as the Windows program does: the pictures are all
// of the kind it reads, and Qt's reader would page in the system's PNG
// library for them alone. Null where the picture is missing or damaged.
[[nodiscard]] QPixmap embeddedPng(const QString& name);

// One of the embedded pictures, drawn at its own size in logical pixels.
// Where a double-resolution copy exists it is used on high-density screens.
// The pictures are drawn seldom: in a window's first frame, and where
// something over them has gone. So each is decoded when drawn and not kept,
// which spares the window its largest block of memory for the sake of well
// under a millisecond then. A missing picture draws nothing.
class Picture {
public:
    explicit Picture(const QString& name);

    void draw(QPainter& painter, QPoint topLeft) const;

private:
    [[nodiscard]] QPixmap forRatio(qreal ratio) const;

    QString name_;
};

} // namespace stackfall
