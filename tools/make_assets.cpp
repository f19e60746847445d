// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the cross and nought images, at one, one and a half and two device
// pixels per pixel, and the program icon in every size the desktop asks for, into the
// folder named on the command line. Run it through the "assets" build target.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QVector>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// A palette of `size` entries whose first ones are `colours`, padded with grey
// steps, as a 256-colour bitmap would have carried.
QVector<QRgb> palette(std::initializer_list<QRgb> colours, int size) {
    QVector<QRgb> table(colours);
    while (table.size() < size) {
        const int g = (table.size() * 255) / (size - 1);
        table.push_back(qRgb(g, g, g));
    }
    return table;
}

// A 150 x 150 mark drawn at `scale` device pixels per pixel: each device
// pixel is inked when its centre, in 1x pixel coordinates, lies in the shape.
QImage mark(QRgb ink, double scale, const std::function<bool(double, double)>& inShape) {
    const int n = int(150 * scale);
    QImage img(n, n, QImage::Format_Indexed8);
    img.setColorTable(palette({qRgb(255, 255, 255), ink}, 256));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double u = (x + 0.5) / scale - 0.5, v = (y + 0.5) / scale - 0.5;
            img.setPixel(x, y, inShape(u, v) ? 1 : 0);
        }
    return img;
}

// A blue X from corner to corner, each stroke about 8 pixels thick.
QImage risti(double scale) {
    return mark(qRgb(0, 0, 255), scale, [](double x, double y) {
        return std::abs(x - y) / std::sqrt(2.0) <= 4.0 ||
               std::abs(x + y - 149) / std::sqrt(2.0) <= 4.0;
    });
}

// A red ring five pixels thick, its outer edge spanning pixels 5 to 143.
QImage nolla(double scale) {
    return mark(qRgb(255, 0, 0), scale, [](double x, double y) {
        const double d = std::hypot(x - 74, y - 74);
        return d <= 69.5 && d > 64.5;
    });
}

// The icon on a 32-unit grid: white "98" on a black disc inside a red ring,
// and the ends of a blue diagonal cross in the corners.
constexpr double kRing = 15.5, kDisc = 13.0;
const char* const kDigits[2][7] = {
    {".##.", "#..#", "#..#", ".###", "...#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
};
constexpr int kDigitLeft[2] = {7, 17}, kDigitTop = 9, kDigitCell = 2;

template <typename F> void forEachDigitCell(F&& f) {
    for (int d = 0; d < 2; ++d)
        for (int r = 0; r < 7; ++r)
            for (int k = 0; k < 4; ++k)
                if (kDigits[d][r][k] == '#')
                    f(kDigitLeft[d] + k * kDigitCell, kDigitTop + r * kDigitCell);
}

// The 32 x 32 icon as the old desktop had it: sixteen colours, one of them
// transparent, each pixel set by hand.
QImage ikoni32() {
    enum { Lapinakyva, Musta, Punainen, Sininen, Valkoinen };
    QImage img(32, 32, QImage::Format_Indexed8);
    img.setColorTable(palette(
        {qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)},
        16));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const double d = std::hypot(x - 15.5, y - 15.5);
            int c = Lapinakyva;
            if (d <= kDisc)
                c = Musta;
            else if (d <= kRing)
                c = Punainen;
            else if (std::abs(x - y) <= 1 || std::abs(x + y - 31) <= 1)
                c = Sininen;
            img.setPixel(x, y, c);
        }
    forEachDigitCell([&](int x, int y) {
        for (int dy = 0; dy < kDigitCell; ++dy)
            for (int dx = 0; dx < kDigitCell; ++dx)
                img.setPixel(x + dx, y + dy, Valkoinen);
    });
    return img;
}

// The same design smoothly drawn at a larger size.
QImage ikoni(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    QPainterPath corners;
    corners.addRect(0, 0, 32, 32);
    QPainterPath ring;
    ring.addEllipse(QPointF(16, 16), kRing, kRing);
    p.setClipPath(corners.subtracted(ring));
    p.setPen(QPen(QColor(0, 0, 255), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QLineF(0, 0, 32, 32));
    p.drawLine(QLineF(32, 0, 0, 32));
    p.setClipping(false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(QPointF(16, 16), kRing, kRing);
    p.setBrush(QColor(0, 0, 0));
    p.drawEllipse(QPointF(16, 16), kDisc, kDisc);
    p.setBrush(QColor(255, 255, 255));
    forEachDigitCell([&](int x, int y) { p.drawRect(QRectF(x, y, kDigitCell, kDigitCell)); });
    return img;
}

QByteArray ikoniSvg() {
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
                     "viewBox=\"0 0 32 32\">\n"
                     "  <g stroke=\"#0000ff\" stroke-width=\"3\">\n"
                     "    <line x1=\"0\" y1=\"0\" x2=\"32\" y2=\"32\"/>\n"
                     "    <line x1=\"32\" y1=\"0\" x2=\"0\" y2=\"32\"/>\n"
                     "  </g>\n"
                     "  <circle cx=\"16\" cy=\"16\" r=\"15.5\" fill=\"#ff0000\"/>\n"
                     "  <circle cx=\"16\" cy=\"16\" r=\"13\" fill=\"#000000\"/>\n"
                     "  <g fill=\"#ffffff\">\n";
    forEachDigitCell([&](int x, int y) {
        svg += QStringLiteral("    <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\"/>\n")
                   .arg(x)
                   .arg(y)
                   .arg(kDigitCell)
                   .toUtf8();
    });
    return svg + "  </g>\n</svg>\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    auto path = [&](const char* name) { return out.filePath(QString::fromLatin1(name)); };
    // 1x, 1.5x (225 pixels) and 2x renderings of each mark.
    bool ok = risti(1).save(path("risti.png")) && risti(1.5).save(path("risti-225.png")) &&
              risti(2).save(path("risti@2x.png")) && nolla(1).save(path("nolla.png")) &&
              nolla(1.5).save(path("nolla-225.png")) && nolla(2).save(path("nolla@2x.png")) &&
              ikoni32().save(path("lautari.png"));
    for (int size : {48, 64, 128, 256})
        ok = ok && ikoni(size).save(out.filePath(QStringLiteral("lautari-%1.png").arg(size)));
    QFile svg(path("lautari.svg"));
    ok = ok && svg.open(QIODevice::WriteOnly) && svg.write(ikoniSvg()) > 0;
    if (!ok) std::fprintf(stderr, "could not write the images\n");
    return ok ? 0 : 1;
}
