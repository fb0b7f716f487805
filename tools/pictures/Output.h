// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

#include <utility>

class QImage;

namespace stackfall::pictures {

// The folder the pictures go to. A failed write is reported on stderr and
// remembered, so one bad file does not hide the others but still fails the run.
class Output {
public:
    explicit Output(QDir dir) : dir_(std::move(dir)) {}

    void savePng(const QImage& image, const QString& name);
    void saveBytes(const QByteArray& bytes, const QString& name);

    [[nodiscard]] bool ok() const { return ok_; }
    [[nodiscard]] int written() const { return written_; }

private:
    QDir dir_;
    bool ok_ = true;
    int written_ = 0;
};

// The image encoded as PNG, for the icon containers that embed PNG entries.
[[nodiscard]] QByteArray pngBytes(const QImage& image);

} // namespace stackfall::pictures
