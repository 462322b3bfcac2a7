#include "TestSupport.h"
#include "symbols/DescriptionTexts.h"
#include "symbols/ImageList.h"
#include "symbols/SymbolCatalog.h"
#include "symbols/modGoodLuckSymbol.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

Q_DECLARE_METATYPE(SymbolType)

namespace {

QString text(SymbolType type, int position) { return QString::fromLatin1(descriptionTexts(type)[position - 1]); }

QString nameOf(SymbolType type, int position) { return ImageList(type).key(position); }

// The descriptions kept word for word as they have always read; some of them speak to the
// reader. Every other paragraph is our own.
const QSet<QString> &quotedWhole()
{
    static const QSet<QString> names = {
        QStringLiteral("Fence"),       QStringLiteral("Mountain"), QStringLiteral("Rain Cloud"),
        QStringLiteral("Rain Drop"),   QStringLiteral("Rain"),     QStringLiteral("Sun"),
        QStringLiteral("Thunderbird"), QStringLiteral("Jurojin"),  QStringLiteral("Tanuki"),
        QStringLiteral("Crab"),        QStringLiteral("Dolphins"),
    };
    return names;
}

} // namespace

class TestCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void traditions_data();
    void traditions();
    void quotedDescriptions_data();
    void quotedDescriptions();
    void descriptionBeginnings_data();
    void descriptionBeginnings();
    void definedPairs();
    void descriptionRules();
    void ownTextsInTheThirdPerson();
    void trailingBlanks();
    void checkedFacts_data();
    void checkedFacts();
    void variedShapes();
    void descriptionTables();
    void pictures();
};

void TestCatalog::traditions_data()
{
    QTest::addColumn<SymbolType>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("names");

    QTest::newRow("Indian") << SymbolType::Indian << "Indian Good Luck Symbols"
                            << "Aum|Bell|Betel Leaf (Paan)|Bindi or Dot|Coconut|Conch shells (Shankh)|Lamp|Pyramid|"
                               "Rudraksha|Swastika|Tulsi|Wheel";
    QTest::newRow("Chinese") << SymbolType::Chinese << "Chinese Good Luck Symbols"
                             << "Bamboo|Bat|Butterfly|Crab|Crane|Dragon|Fu Symbol|Gold Fish|Gold Ingots|Horse|Jade|"
                                "Magpie|Orchid|Phoenix|Three Legged Toad|Tortoise|Wealth Ship|Yin Yang";
    QTest::newRow("Japanese") << SymbolType::Japanese << "Japanese Good Luck Symbols"
                              << "Beckoning Cat|Benten|Bishamon|Daikokuten|Daruma Doll|Ebisu|Fukurokuju|Jurojin|"
                                 "Laughing Buddha|Tanuki";
    QTest::newRow("Egyptian") << SymbolType::Egyptian << "Egyptian Good Luck Symbols"
                              << "Angel|Ankh|Caduceus|Elephant|Eye of Horus|Isis|Lotus Flower|Scarab";
    QTest::newRow("English") << SymbolType::English << "English Good Luck Symbols"
                             << "3 Keys|Acorn|Coin|Four Leaf Clover|Horseshoe|Ladybug|Old Boot|Pig|Rabbit's Foot|"
                                "Unicorn|Wishbone|Wood";
    QTest::newRow("Arabian") << SymbolType::Arabian << "Arabian Good Luck Symbols"
                             << "Dolphins|Hamsa Hand";
    QTest::newRow("NativeAmerican") << SymbolType::NativeAmerican << "Native American Good Luck Symbols"
                                    << "Broken Arrow|Crossed Arrows|Feathers|Fence|Kokopelli Charm|Leaf|Mountain|"
                                       "Rain Cloud|Rain Drop|Rain|Sun|Thunderbird";
}

void TestCatalog::traditions()
{
    QFETCH(SymbolType, type);
    QFETCH(QString, caption);
    QFETCH(QString, names);

    QCOMPARE(symbolTypeCaption(type), caption);
    const QStringList expected = names.split(QLatin1Char('|'));
    const ImageList list(type);
    QCOMPARE(list.count(), expected.size());
    QCOMPARE(symbolCount(type), expected.size());
    QCOMPARE(static_cast<int>(descriptionTexts(type).size()), expected.size());
    for (int k = 1; k <= list.count(); ++k)
        QCOMPARE(list.key(k), expected.at(k - 1));
}

void TestCatalog::quotedDescriptions_data()
{
    QTest::addColumn<SymbolType>("type");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Fence") << SymbolType::NativeAmerican << 4 << "Your good luck will guarded by the fence.";
    QTest::newRow("Mountain") << SymbolType::NativeAmerican << 7 << "This is a symbol of abundance.";
    QTest::newRow("Rain Cloud") << SymbolType::NativeAmerican << 8 << "Good prospects are coming your way.";
    QTest::newRow("Rain Drop") << SymbolType::NativeAmerican << 9
                               << "This signifies that you will have plenty of everything. This will also bring you "
                                  "good luck.";
    QTest::newRow("Rain") << SymbolType::NativeAmerican << 10 << "This may be a good season for crops.";
    QTest::newRow("Sun") << SymbolType::NativeAmerican << 11 << "This is a symbol of happiness.";
    QTest::newRow("Thunderbird") << SymbolType::NativeAmerican << 12
                                 << "This stands for brightness in your lives. This is the bearer of happiness";
    QTest::newRow("Jurojin") << SymbolType::Japanese << 8
                             << "He is the God of good luck, happiness and money. He also protects us from all evils "
                                "and gives us a long life.";
    QTest::newRow("Tanuki") << SymbolType::Japanese << 10
                            << "He is said to be the god of food. He is also a symbol of good luck. They are "
                               "considered to be symbols of fertility.";
    QTest::newRow("Crab") << SymbolType::Chinese << 4
                          << "This is a status symbol. It is said to bring about prosperity and happiness. It is also "
                             "said to increase fertility.";
    QTest::newRow("Dolphins") << SymbolType::Arabian << 1
                              << "This is a symbol of intelligence. This brings in good luck. These strong and happy "
                                 "animals inspire people to strive harder and fight against all odds.";
}

void TestCatalog::quotedDescriptions()
{
    QFETCH(SymbolType, type);
    QFETCH(int, position);
    QFETCH(QString, expected);
    QCOMPARE(text(type, position), expected);
}

void TestCatalog::descriptionBeginnings_data()
{
    QTest::addColumn<SymbolType>("type");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("beginning");

    QTest::newRow("Wood") << SymbolType::English << 12
                          << "Back In many pagan traditions, the tree was considered as a symbol of life, immortality, "
                             "fertility, growth and prosperity.";
    QTest::newRow("Four Leaf Clover: seven blanks between its sentences")
        << SymbolType::English << 4 << "Four-leafed clovers are believed to be very lucky for their rarity.       ";
    QTest::newRow("Broken Arrow") << SymbolType::NativeAmerican << 1
                                  << "In many cultures around the world, arrow has been revered from time immemorial "
                                     "as a sign of physical power, speed, war, travel, wisdom, force, direction and "
                                     "movement.";
    QTest::newRow("Crossed Arrows") << SymbolType::NativeAmerican << 2
                                    << "Arrow: In many cultures around the world, arrow has been revered";
    QTest::newRow("Bat") << SymbolType::Chinese << 2 << "Fu symbol : ";
}

void TestCatalog::descriptionBeginnings()
{
    QFETCH(SymbolType, type);
    QFETCH(int, position);
    QFETCH(QString, beginning);
    const QString description = text(type, position);
    QVERIFY2(description.startsWith(beginning), qPrintable(description));
    QVERIFY(description.size() > beginning.size());
    if (type == SymbolType::English && position == 4)
        QVERIFY2(description.at(beginning.size()) != QLatin1Char(' '), "exactly seven blanks");
}

void TestCatalog::definedPairs()
{
    QCOMPARE(text(SymbolType::Chinese, 2), QStringLiteral("Fu symbol : ") + text(SymbolType::Chinese, 7));
    QCOMPARE(text(SymbolType::NativeAmerican, 2), QStringLiteral("Arrow: ") + text(SymbolType::NativeAmerican, 1));
    // Each shared text must speak of both entries that show it.
    QVERIFY(text(SymbolType::Chinese, 7).contains(QLatin1String("bat"), Qt::CaseInsensitive));
    const QString arrow = text(SymbolType::NativeAmerican, 1);
    QVERIFY2(arrow.contains(QLatin1String("broken arrow")), qPrintable(arrow));
    QVERIFY2(arrow.contains(QLatin1String("crossed arrows")), qPrintable(arrow));
}

void TestCatalog::descriptionRules()
{
    // The texts quoted whole may be short; every other paragraph is a real one.
    const QSet<QString> shortOnes = {
        QStringLiteral("Fence"), QStringLiteral("Mountain"), QStringLiteral("Rain Cloud"),  QStringLiteral("Rain Drop"),
        QStringLiteral("Rain"),  QStringLiteral("Sun"),      QStringLiteral("Thunderbird"),
    };
    QSet<QString> seen;
    int withoutFullStop = 0;
    for (SymbolType type : kAllSymbolTypes) {
        for (int k = 1; k <= symbolCount(type); ++k) {
            const QByteArray bytes(descriptionTexts(type)[k - 1]);
            const QString where = nameOf(type, k);
            QVERIFY2(bytes.size() >= (shortOnes.contains(where) ? 30 : 100) && bytes.size() <= 493, qPrintable(where));
            for (char c : bytes)
                QVERIFY2(c >= 0x20 && c <= 0x7E, qPrintable(where + QStringLiteral(": not printable ASCII")));
            QVERIFY2(!seen.contains(QString::fromLatin1(bytes)), qPrintable(where + QStringLiteral(": repeated")));
            seen.insert(QString::fromLatin1(bytes));
            if (!bytes.trimmed().endsWith('.'))
                ++withoutFullStop;
        }
    }
    QCOMPARE(seen.size(), SymbolCatalog::kTotalEntries);
    QVERIFY(!text(SymbolType::Egyptian, 7).trimmed().endsWith(QLatin1Char('.')));
    QVERIFY(!text(SymbolType::NativeAmerican, 12).endsWith(QLatin1Char('.')));
    QCOMPARE(withoutFullStop, 2);
}

void TestCatalog::ownTextsInTheThirdPerson()
{
    // The paragraphs we wrote speak of the symbol, never to the reader; only the texts kept word
    // for word may do so, and some of them do.
    const QRegularExpression person(QStringLiteral("\\b(you|your|yours|yourself|yourselves)\\b"),
                                    QRegularExpression::CaseInsensitiveOption);
    int quotedThatDo = 0;
    for (SymbolType type : kAllSymbolTypes) {
        for (int k = 1; k <= symbolCount(type); ++k) {
            const QRegularExpressionMatch match = person.match(text(type, k));
            if (quotedWhole().contains(nameOf(type, k)))
                quotedThatDo += match.hasMatch() ? 1 : 0;
            else
                QVERIFY2(!match.hasMatch(), qPrintable(nameOf(type, k) + QStringLiteral(": ") + match.captured()));
        }
    }
    QCOMPARE(quotedThatDo, 4); // Fence, Rain Cloud, Rain Drop, Thunderbird
}

void TestCatalog::trailingBlanks()
{
    int oneBlank = 0;
    QStringList twoBlanks;
    for (SymbolType type : kAllSymbolTypes) {
        for (int k = 1; k <= symbolCount(type); ++k) {
            const QString description = text(type, k);
            if (description.endsWith(QLatin1String("   ")))
                QFAIL(qPrintable(nameOf(type, k) + QStringLiteral(" ends in three blanks")));
            else if (description.endsWith(QLatin1String("  ")))
                twoBlanks.append(nameOf(type, k));
            else if (description.endsWith(QLatin1Char(' ')))
                ++oneBlank;
        }
    }
    QCOMPARE(oneBlank, 19);
    QCOMPARE(twoBlanks, QStringList({QStringLiteral("Daruma Doll"), QStringLiteral("Pig")}));
}

void TestCatalog::checkedFacts_data()
{
    // What a check against reference works found wrong or doubtful: the text must say what is
    // sure and must not say again what was wrong.
    QTest::addColumn<SymbolType>("type");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("says");
    QTest::addColumn<QStringList>("never");
    auto list = [](std::initializer_list<const char *> phrases) {
        QStringList result;
        for (const char *phrase : phrases)
            result << QString::fromLatin1(phrase);
        return result;
    };
    auto row = [&](const char *name, SymbolType type, int position, std::initializer_list<const char *> says,
                   std::initializer_list<const char *> never) {
        QTest::newRow(name) << type << position << list(says) << list(never);
    };
    row("Kokopelli: two figures, blended", SymbolType::NativeAmerican, 5,
        {"Kookopolo", "plays no flute", "modern blend"}, {"In Hopi and other traditions he"});
    row("Feathers: a ceremonial object", SymbolType::NativeAmerican, 3,
        {"Lakota", "not a charm for sale", "federally recognised tribes"}, {"feather charm"});
    row("Leaf: the medicines as they are", SymbolType::NativeAmerican, 6, {"sweetgrass"},
        {"three of the four sacred medicines", "dried leaves"});
    row("Hamsa Hand: khamsa, origin unsettled", SymbolType::Arabian, 2, {"khamsa, Arabic for five", "not settled"},
        {"from the Arabic word", "far older than Islam"});
    row("Bindi: north and south", SymbolType::Indian, 4, {"northern India", "in the south girls"},
        {"it marks a married Hindu woman"});
    row("Dragon: the Chinese word", SymbolType::Chinese, 6, {"word long (dragon)"}, {"dragon, long,"});
    row("Horse: one word in pinyin", SymbolType::Chinese, 10, {"ma dao chenggong"}, {"cheng gong"});
    row("Elephant: not Egyptian lore", SymbolType::Egyptian, 4, {"nothing Egyptian"},
        {"charm that is believed to bring good luck"});
    row("3 Keys: the birthday key", SymbolType::English, 1, {"twenty-first birthday"}, {"said to unlock"});
    row("Four Leaf Clover: the shamrock story", SymbolType::English, 4, {"1726", "three-leaved"},
        {"Irish lore says"});
    row("Unicorn: poison detected", SymbolType::English, 10, {"detect and neutralise poison"}, {"cure poison"});
    row("Wishbone: fork once", SymbolType::English, 11, {"furcula"}, {"forked furcula"});
}

void TestCatalog::checkedFacts()
{
    QFETCH(SymbolType, type);
    QFETCH(int, position);
    QFETCH(QStringList, says);
    QFETCH(QStringList, never);
    const QString description = text(type, position);
    for (const QString &phrase : says)
        QVERIFY2(description.contains(phrase), qPrintable(QStringLiteral("lacks '%1': %2").arg(phrase, description)));
    for (const QString &phrase : never)
        QVERIFY2(!description.contains(phrase), qPrintable(QStringLiteral("says '%1': %2").arg(phrase, description)));
}

void TestCatalog::variedShapes()
{
    // Our own paragraphs should not all be cut from one pattern: few open on "The X, a gloss,
    // is ...", few close on good luck or good fortune, and feng shui is not the answer to every
    // Chinese symbol.
    const QRegularExpression glossOpening(
        QStringLiteral("^(The |A |An )?[\\w' -]+, [^.]*?, (is|are|was|were|has|stands|makes)\\b"));
    const QRegularExpression luckyEnding(QStringLiteral("good (fortune|luck)\\.?\\s*$"));
    QStringList openings, endings, fengShui;
    for (SymbolType type : kAllSymbolTypes) {
        for (int k = 1; k <= symbolCount(type); ++k) {
            if (quotedWhole().contains(nameOf(type, k)))
                continue;
            const QString description = text(type, k);
            if (glossOpening.match(description).hasMatch())
                openings << nameOf(type, k);
            if (luckyEnding.match(description).hasMatch())
                endings << nameOf(type, k);
            if (type == SymbolType::Chinese && description.contains(QLatin1String("feng shui"), Qt::CaseInsensitive))
                fengShui << nameOf(type, k);
        }
    }
    QVERIFY2(openings.size() <= 10, qPrintable(openings.join(QStringLiteral(", "))));
    QVERIFY2(endings.size() <= 3, qPrintable(endings.join(QStringLiteral(", "))));
    QVERIFY2(fengShui.size() <= 2, qPrintable(fengShui.join(QStringLiteral(", "))));
}

void TestCatalog::descriptionTables()
{
    modGoodLuckSymbol tables;
    for (SymbolType type : kAllSymbolTypes) {
        QCOMPARE(tables.table(type).size(), symbolCount(type) + 1);
        for (const QString &slot : tables.table(type))
            QVERIFY(slot.isEmpty());
    }

    tables.FillEnglishDesc();
    tables.FillEnglishDesc(); // filling again changes nothing
    for (SymbolType type : kAllSymbolTypes) {
        const QList<QString> &table = tables.table(type);
        QVERIFY2(table.at(0).isEmpty(), "slot 0 is never written");
        for (int k = 1; k < table.size(); ++k)
            QCOMPARE(table.at(k), type == SymbolType::English ? text(type, k) : QString());
    }

    // Each tradition has its own named table and fill operation; the draw
    // reaches the fill through fillOperation, and it writes that table alone.
    using Fill = modGoodLuckSymbol::FillOperation;
    const struct {
        Fill fill;
        QList<QString> modGoodLuckSymbol::*table;
        SymbolType type;
    } fills[] = {
        {&modGoodLuckSymbol::FillIndianDesc, &modGoodLuckSymbol::IndianDesc, SymbolType::Indian},
        {&modGoodLuckSymbol::FillChineseDesc, &modGoodLuckSymbol::ChineseDesc, SymbolType::Chinese},
        {&modGoodLuckSymbol::FillJapaneseDesc, &modGoodLuckSymbol::JapaneseDesc, SymbolType::Japanese},
        {&modGoodLuckSymbol::FillEgyptianDesc, &modGoodLuckSymbol::EgyptianDesc, SymbolType::Egyptian},
        {&modGoodLuckSymbol::FillEnglishDesc, &modGoodLuckSymbol::EnglishDesc, SymbolType::English},
        {&modGoodLuckSymbol::FillArabianDesc, &modGoodLuckSymbol::ArabianDesc, SymbolType::Arabian},
        {&modGoodLuckSymbol::FillNativeAmericanDesc, &modGoodLuckSymbol::NativeAmericanDesc,
         SymbolType::NativeAmerican},
    };
    for (const auto &[fill, table, type] : fills) {
        QVERIFY(modGoodLuckSymbol::fillOperation(type) == fill);
        modGoodLuckSymbol fresh;
        QCOMPARE(&fresh.table(type), &(fresh.*table));
        (fresh.*fill)();
        for (SymbolType other : kAllSymbolTypes)
            QCOMPARE(fresh.table(other).at(1).isEmpty(), other != type);
        QCOMPARE(fresh.description(type, symbolCount(type)), text(type, symbolCount(type)));
    }
}

void TestCatalog::pictures()
{
    QSet<QByteArray> images;
    for (SymbolType type : kAllSymbolTypes) {
        for (int k = 1; k <= symbolCount(type); ++k) {
            const QString where = nameOf(type, k);
            QFile file(SymbolCatalog::picturePath(type, k));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(where));
            QVERIFY2(file.size() < 12 * 1024, qPrintable(where + QStringLiteral(" is too large")));
            const QByteArray bytes = file.readAll();
            QBuffer buffer;
            buffer.setData(bytes);
            QImageReader reader(&buffer);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            const QImage image = reader.read();
            QCOMPARE(image.size(), QSize(111, 111));
            const QByteArray digest = QCryptographicHash::hash(
                QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()),
                QCryptographicHash::Sha256);
            QVERIFY2(!images.contains(digest), qPrintable(where + QStringLiteral(" repeats another picture")));
            images.insert(digest);

            const QPixmap sharp = SymbolCatalog::picture(type, k, 2.0);
            QCOMPARE(sharp.size(), QSize(222, 222));
            QCOMPARE(sharp.deviceIndependentSize().toSize(), QSize(111, 111));
        }
    }
    QCOMPARE(images.size(), SymbolCatalog::kTotalEntries);
}

QVO_TEST_MAIN(TestCatalog)
#include "tst_catalog.moc"
