// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures: the windows place them pixel for pixel and never
// scale them, so their sizes, their alpha and the icon containers must be
// exactly what the main window, the picture windows and the desktop expect.

#include "Png.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>

// Readable sizes in failure messages.
void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << " x " << size.height();
}

namespace {

QByteArray readPicture(const std::string& name) {
    QFile file(QStringLiteral(STACKFALL_PICTURES_DIR "/") + QString::fromStdString(name));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << name;
        return {};
    }
    return file.readAll();
}

QImage loadPng(const QByteArray& bytes) {
    return QImage::fromData(bytes, "PNG");
}

QImage loadPicture(const std::string& name) {
    return loadPng(readPicture(name));
}

std::uint32_t byteAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint8_t>(bytes.at(at));
}

std::uint32_t little16(const QByteArray& b, qsizetype at) {
    return byteAt(b, at) | byteAt(b, at + 1) << 8;
}

std::uint32_t little32(const QByteArray& b, qsizetype at) {
    return little16(b, at) | little16(b, at + 2) << 16;
}

std::uint32_t big32(const QByteArray& b, qsizetype at) {
    return byteAt(b, at) << 24 | byteAt(b, at + 1) << 16 | byteAt(b, at + 2) << 8 |
           byteAt(b, at + 3);
}

bool startsAsPng(const QByteArray& bytes) {
    return bytes.startsWith(QByteArray::fromHex("89504e470d0a1a0a"));
}

// Mean brightness (0 to 255) of the picture inside `area`.
double meanLightness(const QImage& image, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            sum += QColor(image.pixel(x, y)).lightness();
        }
    }
    return sum / (area.width() * area.height());
}

const std::map<std::string, QSize> Sizes{
    {"icon.png", {32, 32}},       {"icon-16.png", {16, 16}},    {"icon-48.png", {48, 48}},
    {"icon-64.png", {64, 64}},    {"icon-128.png", {128, 128}}, {"icon-256.png", {256, 256}},
    {"pause.png", {130, 70}},     {"start.png", {100, 50}},     {"about.png", {100, 50}},
    {"exit.png", {100, 50}},      {"start@2x.png", {200, 100}}, {"about@2x.png", {200, 100}},
    {"exit@2x.png", {200, 100}},  {"panel.png", {215, 391}},    {"panel@2x.png", {430, 782}},
    {"gameover.png", {499, 337}}, {"credits.png", {350, 250}},
};

TEST(Pictures, EachPictureHasTheSizeItsWindowPlacesItAt) {
    for (const auto& [name, size] : Sizes) {
        const QByteArray bytes = readPicture(name);
        EXPECT_TRUE(startsAsPng(bytes)) << name;
        const QImage image = loadPng(bytes);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), size) << name;
    }
}

// Both programs decode the pictures with the game's own reader: it must give
// every pixel as Qt's reader does, once premultiplied as both programs draw.
TEST(Pictures, TheGamesReaderDecodesEveryPictureAsQtDoes) {
    const QStringList names = QDir(QStringLiteral(STACKFALL_PICTURES_DIR))
                                  .entryList({QStringLiteral("*.png")}, QDir::Files);
    ASSERT_GE(names.size(), 20);
    for (const QString& name : names) {
        const QByteArray bytes = readPicture(name.toStdString());
        const std::optional<stackfall::png::Image> ours = stackfall::png::decode(
            std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size()))));
        const QImage qts = loadPng(bytes).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_TRUE(ours.has_value()) << name.toStdString();
        ASSERT_EQ(QSize(ours->width, ours->height), qts.size()) << name.toStdString();
        int differing = 0;
        bool translucent = false;
        for (int y = 0; y < qts.height(); ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(qts.constScanLine(y));
            for (int x = 0; x < qts.width(); ++x) {
                const std::uint8_t* p =
                    &ours->bgra[(std::size_t(y) * std::size_t(ours->width) + std::size_t(x)) * 4];
                const std::uint32_t argb = std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 |
                                           std::uint32_t{p[1]} << 8 | p[0];
                differing += argb != row[x] ? 1 : 0;
                translucent = translucent || row[x] >> 24 != 0xff;
            }
        }
        EXPECT_EQ(differing, 0) << name.toStdString();
        // An opaque picture is drawn without blending.
        EXPECT_EQ(ours->translucent, translucent) << name.toStdString();
    }
}

TEST(Pictures, BackgroundPicturesAreOpaqueTwentyFourBit) {
    for (const std::string name : {"panel.png", "panel@2x.png", "gameover.png", "credits.png"}) {
        const QByteArray bytes = readPicture(name);
        ASSERT_GT(bytes.size(), 26) << name;
        // The first chunk is IHDR: bit depth 8 and colour type 2, truecolour
        // without alpha, at bytes 24 and 25.
        EXPECT_EQ(bytes.mid(12, 4), QByteArray("IHDR")) << name;
        EXPECT_EQ(byteAt(bytes, 24), 8u) << name;
        EXPECT_EQ(byteAt(bytes, 25), 2u) << name;
        EXPECT_FALSE(loadPng(bytes).hasAlphaChannel()) << name;
    }
}

TEST(Pictures, ButtonsBannerAndIconsHaveTransparentCorners) {
    // They lie over the panel or the playfield, which must show through
    // their rounded corners while their middle covers it.
    for (const std::string name : {"start.png", "about.png", "exit.png", "start@2x.png",
                                   "pause.png", "icon.png", "icon-256.png"}) {
        const QImage image = loadPicture(name);
        ASSERT_TRUE(image.hasAlphaChannel()) << name;
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{right, 0}, std::pair{0, bottom}}) {
            EXPECT_EQ(qAlpha(image.pixel(x, y)), 0) << name << " at " << x << "," << y;
        }
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << name;
    }
}

TEST(Pictures, DoubleSizeVersionsAreTheSamePictureAtTwiceTheSize) {
    for (const std::string base : {"start", "about", "exit", "panel"}) {
        const QImage normal = loadPicture(base + ".png");
        const QImage twice = loadPicture(base + "@2x.png");
        ASSERT_FALSE(normal.isNull() || twice.isNull()) << base;
        ASSERT_EQ(twice.size(), normal.size() * 2) << base;

        // Halved again, the large one must look like the small one: a few
        // edge pixels differ, a shifted or different drawing would not.
        const QImage halved =
            twice.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        const QImage small = normal.convertToFormat(QImage::Format_ARGB32);
        double difference = 0;
        for (int y = 0; y < small.height(); ++y) {
            for (int x = 0; x < small.width(); ++x) {
                const QRgb a = small.pixel(x, y);
                const QRgb b = halved.pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
        }
        EXPECT_LT(difference / (small.width() * small.height() * 4), 3.0) << base;
    }
}

TEST(Pictures, PanelIsLightBehindTheNavyLabelsAndDarkBehindTheButtons) {
    const QImage panel = loadPicture("panel.png");
    ASSERT_EQ(panel.size(), QSize(215, 391));
    // The labels and boxes of the main window in the panel's coordinates.
    const std::array<QRect, 4> labels{{{176, 0, 39, 13},     // "F3 pause"
                                       {136, 16, 56, 24},    // "Score"
                                       {32, 32, 36, 16},     // "Next "
                                       {120, 104, 39, 16}}}; // "Level"
    for (const QRect& label : labels) {
        EXPECT_GT(meanLightness(panel, label), 200) << label.x() << "," << label.y();
    }
    // Where the three buttons stand: navy, the lightness of pure blue being
    // 128 at most.
    EXPECT_LT(meanLightness(panel, QRect(16, 192, 100, 162)), 100);
}

TEST(IconFiles, IcoHoldsTheWindowsSizesAsPngEntries) {
    const QByteArray ico = readPicture("stackfall.ico");
    ASSERT_GE(ico.size(), 6);
    EXPECT_EQ(little16(ico, 0), 0u);
    EXPECT_EQ(little16(ico, 2), 1u); // an icon, not a cursor
    const std::uint32_t count = little16(ico, 4);
    ASSERT_EQ(count, 4u);
    ASSERT_GE(ico.size(), 6 + 16 * count);

    std::uint32_t expectedOffset = 6 + 16 * count;
    constexpr std::array<int, 4> Expected{16, 32, 48, 256};
    for (std::uint32_t i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * static_cast<qsizetype>(i);
        const int side = static_cast<int>(byteAt(ico, entry));
        const int size = side == 0 ? 256 : side;
        EXPECT_EQ(size, Expected.at(i));
        EXPECT_EQ(byteAt(ico, entry + 1), byteAt(ico, entry)) << "square entry " << i;
        const std::uint32_t length = little32(ico, entry + 8);
        const std::uint32_t offset = little32(ico, entry + 12);
        EXPECT_EQ(offset, expectedOffset) << "entries follow each other, entry " << i;
        ASSERT_LE(qsizetype{offset} + length, ico.size()) << "entry " << i;
        expectedOffset = offset + length;

        const QByteArray png = ico.mid(offset, length);
        EXPECT_TRUE(startsAsPng(png)) << "entry " << i;
        EXPECT_EQ(loadPng(png).size(), QSize(size, size)) << "entry " << i;
    }
    EXPECT_EQ(expectedOffset, static_cast<std::uint32_t>(ico.size()));
    // The 32-pixel entry is the window icon itself.
    EXPECT_EQ(ico.mid(little32(ico, 6 + 16 + 12), little32(ico, 6 + 16 + 8)),
              readPicture("icon.png"));
}

TEST(IconFiles, IcnsHoldsPngEntriesOfTheSizeTheirTypeNames) {
    const QByteArray icns = readPicture("stackfall.icns");
    ASSERT_GE(icns.size(), 8);
    EXPECT_EQ(icns.left(4), QByteArray("icns"));
    EXPECT_EQ(big32(icns, 4), static_cast<std::uint32_t>(icns.size()));

    const std::map<QByteArray, int> typeSizes{{"icp4", 16},  {"icp5", 32},  {"icp6", 64},
                                              {"ic07", 128}, {"ic08", 256}, {"ic09", 512}};
    std::map<QByteArray, int> seen;
    qsizetype at = 8;
    while (at < icns.size()) {
        ASSERT_LE(at + 8, icns.size());
        const QByteArray type = icns.mid(at, 4);
        const std::uint32_t length = big32(icns, at + 4);
        ASSERT_GT(length, 8u) << type.constData();
        ASSERT_LE(at + qsizetype{length}, icns.size()) << type.constData();
        ASSERT_TRUE(typeSizes.contains(type)) << "unknown entry " << type.constData();
        EXPECT_FALSE(seen.contains(type)) << "twice: " << type.constData();

        const QByteArray png = icns.mid(at + 8, length - 8);
        EXPECT_TRUE(startsAsPng(png)) << type.constData();
        const int size = typeSizes.at(type);
        EXPECT_EQ(loadPng(png).size(), QSize(size, size)) << type.constData();
        seen[type] = size;
        at += length;
    }
    EXPECT_EQ(at, icns.size());
    EXPECT_TRUE(seen.contains("ic07"));
    EXPECT_TRUE(seen.contains("ic08"));
}

TEST(IconFiles, SvgIconIsWellFormedSquareSvg) {
    QXmlStreamReader xml(readPicture("icon.svg"));
    ASSERT_TRUE(xml.readNextStartElement()) << xml.errorString().toStdString();
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
    EXPECT_EQ(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));
    int shapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == QStringLiteral("rect") || xml.name() == QStringLiteral("polygon"))) {
            ++shapes;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // The tile, the ghost and eight bevelled blocks.
    EXPECT_GT(shapes, 8 * 6);
}

} // namespace
