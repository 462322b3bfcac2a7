// Prints the names and descriptions of one tradition's symbols as a JSON
// object, name to description, straight from the compiled-in catalog, so the
// screen-reader test expects exactly what the program shows.
//
//   qvo-catalog-texts INDEX      INDEX of the tradition, 0 (Indian) to 6

#include "symbols/DescriptionTexts.h"
#include "symbols/SymbolCatalog.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv)
{
    char *end = nullptr;
    const long index = argc == 2 ? std::strtol(argv[1], &end, 10) : -1;
    if (argc != 2 || *end != '\0' || index < 0 || index >= kSymbolTypeCount) {
        std::fputs("usage: qvo-catalog-texts INDEX (0 to 6)\n", stderr);
        return 2;
    }
    const SymbolType type = symbolTypeAt(int(index));
    const auto names = SymbolCatalog::names(type);
    const auto texts = descriptionTexts(type);
    QJsonObject object;
    for (size_t i = 0; i < names.size(); ++i)
        object.insert(QString::fromLatin1(names[i]), QString::fromLatin1(texts[i]));
    std::fputs(QJsonDocument(object).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    return 0;
}
