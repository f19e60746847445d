// Draws the cross and nought images and the window icon into the folder named
// on the command line. Run it through the "assets" build target.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QVector>
#include <cmath>
#include <cstdio>

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

// A blue X from corner to corner, each stroke about 8 pixels thick.
QImage risti() {
    QImage img(150, 150, QImage::Format_Indexed8);
    img.setColorTable(palette({qRgb(255, 255, 255), qRgb(0, 0, 255)}, 256));
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 150; ++x) {
            const double d1 = std::abs(x - y) / std::sqrt(2.0);
            const double d2 = std::abs(x + y - 149) / std::sqrt(2.0);
            img.setPixel(x, y, (d1 <= 4.0 || d2 <= 4.0) ? 1 : 0);
        }
    return img;
}

// A red ring five pixels thick, its outer edge spanning pixels 5 to 143.
QImage nolla() {
    QImage img(150, 150, QImage::Format_Indexed8);
    img.setColorTable(palette({qRgb(255, 255, 255), qRgb(255, 0, 0)}, 256));
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 150; ++x) {
            const double d = std::hypot(x - 74, y - 74);
            img.setPixel(x, y, (d <= 69.5 && d > 64.5) ? 1 : 0);
        }
    return img;
}

// White "98" on black inside a red ring, with the ends of a blue diagonal cross
// in the corners; sixteen colours, one of them transparent.
QImage ikoni() {
    enum { Lapinakyva, Musta, Punainen, Sininen, Valkoinen };
    QImage img(32, 32, QImage::Format_Indexed8);
    img.setColorTable(palette(
        {qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)},
        16));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const double d = std::hypot(x - 15.5, y - 15.5);
            int c = Lapinakyva;
            if (d <= 13.0)
                c = Musta;
            else if (d <= 15.5)
                c = Punainen;
            else if (std::abs(x - y) <= 1 || std::abs(x + y - 31) <= 1)
                c = Sininen;
            img.setPixel(x, y, c);
        }

    static const char* const kNumerot[2][7] = {
        {".##.", "#..#", "#..#", ".###", "...#", "#..#", ".##."},
        {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    };
    const int left[2] = {7, 17}, top = 9, scale = 2;
    for (int n = 0; n < 2; ++n)
        for (int r = 0; r < 7; ++r)
            for (int k = 0; k < 4; ++k)
                if (kNumerot[n][r][k] == '#')
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            img.setPixel(left[n] + k * scale + dx, top + r * scale + dy, Valkoinen);
    return img;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool ok = risti().save(out.filePath(QStringLiteral("risti.png"))) &&
                    nolla().save(out.filePath(QStringLiteral("nolla.png"))) &&
                    ikoni().save(out.filePath(QStringLiteral("lautari.png")));
    if (!ok) std::fprintf(stderr, "could not write the images\n");
    return ok ? 0 : 1;
}
