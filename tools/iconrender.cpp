// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// Renders the application icon's SVG at build time:
//   iconrender icon.svg outdir N...    ->  outdir/<N>x<N>/veltrane.png (icon theme)
//   iconrender icon.svg --ico out.ico  ->  the Windows icon
//   iconrender icon.svg --icns out.icns -> the macOS icon
// Both containers hold PNG images, which every supported Windows and macOS
// reads, so no other image library is needed.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

QImage render(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

template <typename T>
void appendLittle(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

template <typename T>
void appendBig(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToBigEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

// ICONDIR, one ICONDIRENTRY per size, then the PNG images.
QByteArray icoFile(QSvgRenderer& renderer)
{
    const int sizes[] = {16, 24, 32, 48, 64, 128, 256};
    std::vector<QByteArray> images;
    for (int size : sizes)
        images.push_back(png(render(renderer, size)));
    QByteArray out;
    appendLittle<quint16>(out, 0);
    appendLittle<quint16>(out, 1); // icon
    appendLittle<quint16>(out, static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
        out.append(static_cast<char>(size >= 256 ? 0 : size)); // 0 means 256
        out.append(static_cast<char>(size >= 256 ? 0 : size));
        out.append('\0'); // no palette
        out.append('\0');
        appendLittle<quint16>(out, 1);  // planes
        appendLittle<quint16>(out, 32); // bits per pixel
        appendLittle<quint32>(out, static_cast<quint32>(images[i].size()));
        appendLittle<quint32>(out, offset);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

// "icns", the total length, then typed PNG elements.
QByteArray icnsFile(QSvgRenderer& renderer)
{
    const std::pair<const char*, int> elements[] = {{"icp4", 16},  {"icp5", 32},  {"icp6", 64},  {"ic07", 128},
                                                    {"ic08", 256}, {"ic09", 512}, {"ic10", 1024}};
    QByteArray body;
    for (const auto& [type, size] : elements) {
        const QByteArray image = png(render(renderer, size));
        body.append(type, 4);
        appendBig<quint32>(body, static_cast<quint32>(image.size() + 8));
        body.append(image);
    }
    QByteArray out("icns");
    appendBig<quint32>(out, static_cast<quint32>(body.size() + 8));
    return out + body;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: iconrender icon.svg (outdir size... | --ico out.ico | --icns out.icns)\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconrender: cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray mode(argv[2]);
    if (mode == "--ico" || mode == "--icns") {
        const QByteArray bytes = mode == "--ico" ? icoFile(renderer) : icnsFile(renderer);
        if (!write(QString::fromLocal8Bit(argv[3]), bytes)) {
            std::fprintf(stderr, "iconrender: cannot write %s\n", argv[3]);
            return 1;
        }
        return 0;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0)
            return 2;
        const QString dir = QStringLiteral("%1/%2x%2").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!QDir().mkpath(dir) || !render(renderer, size).save(dir + QStringLiteral("/veltrane.png"))) {
            std::fprintf(stderr, "iconrender: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
