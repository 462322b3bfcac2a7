// picturegen: draws the symbol pictures and the application icon.
//
//   picturegen --recipes recipes.json --assets <assets dir> --sheet <png>
//
// Writes <assets>/symbols/<folder>/<NN>.jpg (111 x 111) and <NN>@2x.jpg
// (222 x 222), the icon set under <assets>/icon/, and the contact sheet.
#include "art.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QBuffer>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int kJpegQuality = 95;  // first try; lowered in steps only if a file would exceed its limit
constexpr qint64 kLimit1x = 12 * 1024 - 1;
constexpr qint64 kLimit2x = 36 * 1024 - 1;

QByteArray encode(const QImage &img, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, format);
    if (quality >= 0)
        w.setQuality(quality);
    if (qstrcmp(format, "jpeg") == 0)
        w.setOptimizedWrite(true);  // optimised Huffman tables; still baseline
    else
        w.setQuality(0);  // for PNG: 0 = smallest file (zlib level 9)
    if (!w.write(img))
        throw std::runtime_error(("cannot encode " + w.errorString()).toStdString());
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
}

// JPEG at the fixed quality, stepping down only when over the size limit.
QByteArray jpeg(const QImage &img, qint64 limit, const QString &what, int *used)
{
    for (int q = kJpegQuality; q >= 60; q -= 2) {
        const QByteArray bytes = encode(img, "jpeg", q);
        if (bytes.size() <= limit) {
            if (q != kJpegQuality)
                std::fprintf(stderr, "note: %s written at quality %d to stay under %lld bytes\n",
                             qPrintable(what), q, static_cast<long long>(limit + 1));
            *used = q;
            return bytes;
        }
    }
    throw std::runtime_error(("cannot fit " + what + " under its size limit").toStdString());
}

QString argument(const QStringList &args, const QString &name)
{
    const int i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        throw std::runtime_error(("missing argument " + name).toStdString());
    return args[i + 1];
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    try {
        const QStringList args = app.arguments();
        const QString recipes = argument(args, QStringLiteral("--recipes"));
        const QString assets = argument(args, QStringLiteral("--assets"));
        const QString sheetPath = argument(args, QStringLiteral("--sheet"));
        const int only = args.indexOf(QStringLiteral("--sheet2x"));

        art::Catalog catalog = art::loadCatalog(recipes);
        art::loadFonts(catalog);

        QHash<QString, QImage> small, large;
        qint64 biggest1x = 0, biggest2x = 0;
        int count = 0;
        for (const art::Tradition &t : catalog.traditions) {
            for (const art::Recipe &r : t.symbols) {
                const QString key = QStringLiteral("%1/%2").arg(r.folder).arg(r.position);
                const QString base = QStringLiteral("%1/symbols/%2/%3")
                                         .arg(assets, r.folder)
                                         .arg(r.position, 2, 10, QLatin1Char('0'));
                int q = 0;
                const QImage img1 = art::renderPicture(t, r, 1);
                const QByteArray j1 = jpeg(img1, kLimit1x, key, &q);
                writeFile(base + QStringLiteral(".jpg"), j1);
                const QImage img2 = art::renderPicture(t, r, 2);
                const QByteArray j2 = jpeg(img2, kLimit2x, key + QStringLiteral("@2x"), &q);
                writeFile(base + QStringLiteral("@2x.jpg"), j2);
                small.insert(key, QImage::fromData(j1, "jpeg"));
                large.insert(key, QImage::fromData(j2, "jpeg"));
                biggest1x = std::max<qint64>(biggest1x, j1.size());
                biggest2x = std::max<qint64>(biggest2x, j2.size());
                ++count;
            }
        }

        // Every picture must be its own: no two may decode to the same image.
        const QStringList keys = small.keys();
        for (int i = 0; i < keys.size(); ++i)
            for (int j = i + 1; j < keys.size(); ++j)
                if (small[keys[i]] == small[keys[j]] || large[keys[i]] == large[keys[j]])
                    throw std::runtime_error(
                        QStringLiteral("%1 and %2 are the same picture").arg(keys[i], keys[j]).toStdString());

        // Icon set.
        QVector<QImage> icons;
        for (int s : {16, 24, 32, 48, 64, 128, 256}) {
            const QImage icon = art::renderIcon(s);
            icons.push_back(icon);
            writeFile(QStringLiteral("%1/icon/hicolor/%2x%2/apps/qv-orbalin.png").arg(assets).arg(s),
                      encode(icon, "png", -1));
        }
        const QImage window = art::toPalette(art::renderIcon(32));
        writeFile(QStringLiteral("%1/icon/qv-orbalin-32.png").arg(assets), encode(window, "png", -1));
        writeFile(QStringLiteral("%1/icon/qv-orbalin.ico").arg(assets),
                  art::makeIco({art::renderIcon(16), art::renderIcon(32), art::renderIcon(48), art::renderIcon(256)}));

        const QImage sheet = art::renderSheet(catalog, small, icons);
        writeFile(sheetPath, encode(sheet, "png", -1));
        if (only >= 0 && only + 1 < args.size()) {
            // Review aid: the same sheet built from the 222 x 222 pictures.
            writeFile(args[only + 1], encode(art::renderSheet(catalog, large, icons), "png", -1));
        }

        std::printf("wrote %d pictures (largest %lld bytes at 111 x 111, %lld bytes at 222 x 222), icons, sheet %s\n",
                    count, static_cast<long long>(biggest1x), static_cast<long long>(biggest2x),
                    qPrintable(sheetPath));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "picturegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
