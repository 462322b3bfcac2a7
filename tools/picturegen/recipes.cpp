// Reading recipes.json: fonts, traditions with their frame colours, and one
// recipe per symbol.
#include "art.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <set>
#include <stdexcept>

namespace art {

static QColor colour(const QJsonValue &v, const QString &where)
{
    const QColor c(v.toString());
    if (!c.isValid())
        throw std::runtime_error(QStringLiteral("%1: bad colour \"%2\"").arg(where, v.toString()).toStdString());
    return c;
}

Catalog loadCatalog(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read " + path).toStdString());
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &err);
    if (doc.isNull())
        throw std::runtime_error(
            QStringLiteral("%1: %2 at offset %3").arg(path, err.errorString()).arg(err.offset).toStdString());
    const QJsonObject root = doc.object();

    Catalog c;
    for (const QJsonValue &v : root.value(QStringLiteral("fonts")).toArray()) {
        const QJsonObject o = v.toObject();
        c.fonts.push_back(FontSource{o.value(QStringLiteral("key")).toString(),
                                     o.value(QStringLiteral("file")).toString(),
                                     o.value(QStringLiteral("package")).toString(),
                                     o.value(QStringLiteral("licence")).toString(), QString()});
    }

    for (const QJsonValue &tv : root.value(QStringLiteral("traditions")).toArray()) {
        const QJsonObject to = tv.toObject();
        Tradition t;
        t.folder = to.value(QStringLiteral("folder")).toString();
        t.title = to.value(QStringLiteral("title")).toString();
        const QJsonObject fr = to.value(QStringLiteral("frame")).toObject();
        t.frame = colour(fr.value(QStringLiteral("band")), t.folder);
        t.frameLight = colour(fr.value(QStringLiteral("bandLight")), t.folder);
        t.line = colour(fr.value(QStringLiteral("line")), t.folder);
        t.field = colour(fr.value(QStringLiteral("field")), t.folder);
        t.fieldEdge = colour(fr.value(QStringLiteral("fieldEdge")), t.folder);

        std::set<int> seen;
        for (const QJsonValue &sv : to.value(QStringLiteral("symbols")).toArray()) {
            const QJsonObject so = sv.toObject();
            Recipe r;
            r.folder = t.folder;
            r.position = so.value(QStringLiteral("position")).toInt();
            r.name = so.value(QStringLiteral("name")).toString();
            r.draw = so.value(QStringLiteral("draw")).toString(QStringLiteral("card"));
            r.font = so.value(QStringLiteral("font")).toString();
            r.text = so.value(QStringLiteral("text")).toString();
            const QString where = QStringLiteral("%1/%2").arg(t.folder).arg(r.position);
            for (const QJsonValue &cv : so.value(QStringLiteral("colors")).toArray())
                r.colors.push_back(colour(cv, where));
            r.scale = so.value(QStringLiteral("scale")).toDouble(1.0);
            r.dx = so.value(QStringLiteral("dx")).toDouble(0.0);
            r.dy = so.value(QStringLiteral("dy")).toDouble(0.0);
            r.extra = so.value(QStringLiteral("extra")).toObject();
            if (r.position < 1 || !seen.insert(r.position).second)
                throw std::runtime_error((where + ": missing or repeated position").toStdString());
            if (r.name.isEmpty())
                throw std::runtime_error((where + ": no name").toStdString());
            t.symbols.push_back(r);
        }
        // Positions must run 1..N without gaps, in order.
        for (int i = 0; i < t.symbols.size(); ++i)
            if (t.symbols[i].position != i + 1)
                throw std::runtime_error(
                    QStringLiteral("%1: symbols must be listed by position 1..N").arg(t.folder).toStdString());
        c.traditions.push_back(t);
    }
    return c;
}

}  // namespace art
