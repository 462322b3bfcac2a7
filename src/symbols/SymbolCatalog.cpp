#include "SymbolCatalog.h"

#include <QImageReader>

namespace {

struct Tradition {
    const char *caption;
    const char *folder;
    std::span<const char *const> names;
};

constexpr const char *kIndian[] = {
    "Aum",   "Bell",     "Betel Leaf (Paan)", "Bindi or Dot", "Coconut", "Conch shells (Shankh)",
    "Lamp",  "Pyramid",  "Rudraksha",         "Swastika",     "Tulsi",   "Wheel",
};
constexpr const char *kChinese[] = {
    "Bamboo", "Bat",    "Butterfly",         "Crab",     "Crane",       "Dragon",   "Fu Symbol", "Gold Fish", "Gold Ingots",
    "Horse",  "Jade",   "Magpie",            "Orchid",   "Phoenix",     "Three Legged Toad", "Tortoise", "Wealth Ship", "Yin Yang",
};
constexpr const char *kJapanese[] = {
    "Beckoning Cat", "Benten",     "Bishamon", "Daikokuten",      "Daruma Doll",
    "Ebisu",         "Fukurokuju", "Jurojin",  "Laughing Buddha", "Tanuki",
};
constexpr const char *kEgyptian[] = {
    "Angel", "Ankh", "Caduceus", "Elephant", "Eye of Horus", "Isis", "Lotus Flower", "Scarab",
};
constexpr const char *kEnglish[] = {
    "3 Keys", "Acorn",         "Coin",    "Four Leaf Clover", "Horseshoe", "Ladybug",
    "Old Boot", "Pig",         "Rabbit's Foot", "Unicorn",    "Wishbone",  "Wood",
};
constexpr const char *kArabian[] = {
    "Dolphins",
    "Hamsa Hand",
};
constexpr const char *kNativeAmerican[] = {
    "Broken Arrow", "Crossed Arrows", "Feathers",  "Fence", "Kokopelli Charm", "Leaf",
    "Mountain",     "Rain Cloud",     "Rain Drop", "Rain",  "Sun",             "Thunderbird",
};

constexpr Tradition kTraditions[kSymbolTypeCount] = {
    {"Indian Good Luck Symbols", "indian", kIndian},
    {"Chinese Good Luck Symbols", "chinese", kChinese},
    {"Japanese Good Luck Symbols", "japanese", kJapanese},
    {"Egyptian Good Luck Symbols", "egyptian", kEgyptian},
    {"English Good Luck Symbols", "english", kEnglish},
    {"Arabian Good Luck Symbols", "arabian", kArabian},
    {"Native American Good Luck Symbols", "native-american", kNativeAmerican},
};

const Tradition &tradition(SymbolType type)
{
    return kTraditions[indexOf(type)];
}

} // namespace

QString symbolTypeCaption(SymbolType type)
{
    return QString::fromLatin1(tradition(type).caption);
}

int symbolCount(SymbolType type)
{
    return static_cast<int>(tradition(type).names.size());
}

namespace SymbolCatalog {

std::span<const char *const> names(SymbolType type)
{
    return tradition(type).names;
}

QString folderName(SymbolType type)
{
    return QString::fromLatin1(tradition(type).folder);
}

QString picturePath(SymbolType type, int position, bool doubleDensity)
{
    return QStringLiteral(":/symbols/%1/%2%3.jpg")
        .arg(folderName(type))
        .arg(position, 2, 10, QLatin1Char('0'))
        .arg(doubleDensity ? QStringLiteral("@2x") : QString());
}

QPixmap picture(SymbolType type, int position, qreal devicePixelRatio)
{
    const bool sharp = devicePixelRatio > 1.0;
    QImageReader reader(picturePath(type, position, sharp));
    QImage image = reader.read();
    if (image.isNull() && sharp) {
        reader.setFileName(picturePath(type, position));
        image = reader.read();
    } else if (sharp) {
        image.setDevicePixelRatio(2.0);
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace SymbolCatalog
