#include "DescriptionTexts.h"

#include <iterator>

// "Fu Symbol" and "Bat" share this paragraph; "Bat" puts a short label in front of it.
#define FU_TEXT                                                                                                        \
    "Fu is the Chinese character for good fortune and blessing. The word for bat, bianfu, "                            \
    "ends in a fu written with another character but sounding the same, so the bat is an "                             \
    "emblem of happiness, and five bats stand for the Five Blessings: long life, wealth, "                             \
    "health, love of virtue and a peaceful death. At New Year the sign is often hung "                                 \
    "upside down, since dao, upside down, sounds like arrived."

// "Broken Arrow" and "Crossed Arrows" share this paragraph; "Crossed Arrows" puts a short label
// in front of it.
#define ARROW_TEXT                                                                                                     \
    "In many cultures around the world, arrow has been revered from time immemorial as a sign "                        \
    "of physical power, speed, war, travel, wisdom, force, direction and movement. In popular "                        \
    "charts of Native American symbols a broken arrow stands for peace, weapons laid down and "                        \
    "a quarrel ended, while two crossed arrows stand for friendship or an alliance. Crossed "                          \
    "arrows became the badge of the Indian Scouts of the United States Army in 1890."

// One array per tradition, position 1 first, in the order of the tradition's names. The texts
// are shown verbatim, so runs of spaces and trailing spaces are part of the data.

static constexpr const char *const kIndian[] = {
    // 1 Aum
    "Hindus, Buddhists and Jains all hold the syllable Aum, also written Om, to be sacred. "
    "The Mandukya Upanishad reads its three sounds A, U and M as waking, dreaming and deep "
    "sleep, and the silence after them as a fourth state beyond all three. Chanted at the "
    "start of prayers and rites, it is also written at the head of letters and over "
    "doorways, where its sign invites blessing. ",
    // 2 Bell
    "A devotee entering a Hindu temple rings a bell, the ghanta, and it rings again during "
    "aarti, the waving of lamps before the deity. Its clear sound is said to call the "
    "attention of the god, to focus the mind of the worshipper and to drive away evil "
    "spirits. Many household shrines therefore keep a small brass bell that is rung at every "
    "puja, a sign of auspicious beginnings. ",
    // 3 Betel Leaf (Paan)
    "Heart-shaped and glossy, the leaf of the betel vine, Piper betle, is offered to the "
    "gods in Hindu puja and appears in nearly every auspicious ceremony in India, from "
    "weddings to housewarmings. Betel leaves with areca nut are traditionally given to "
    "guests as a mark of respect and hospitality, and a fresh green leaf carries a wish for "
    "freshness and prosperity.",
    // 4 Bindi or Dot
    "Worn on the forehead between the eyebrows, where yogic tradition places the ajna chakra "
    "or third eye, the bindi takes its name from the Sanskrit bindu, a point or drop. In "
    "much of northern India a red bindi of kumkum marks a married woman, while in the south "
    "girls have long worn one too. It is believed to sharpen concentration and to guard "
    "against the evil eye, and today it is also worn simply as an ornament.",
    // 5 Coconut
    "Called shriphala, the fruit of the goddess Shri, the coconut is offered in Hindu "
    "temples and broken at the start of new ventures, from opening a shop to buying a new "
    "vehicle. Its hard shell is likened to the ego that must be broken to reveal the pure "
    "white kernel within, and a whole coconut crowning a water-filled kalash pot stands for "
    "abundance and the favour of Lakshmi. ",
    // 6 Conch shells (Shankh)
    "The shankh is the shell of a large sea snail, and a rare shell that coils to the "
    "right is especially prized. The god Vishnu holds the conch Panchajanya in one of his "
    "hands, and its sound is likened to the sacred syllable Om. Blowing a conch at the "
    "start of rituals and festivals is believed to banish evil and announce good fortune, "
    "and keeping one at home is said to win the favour of Lakshmi.",
    // 7 Lamp
    "Every evening in many Hindu homes a diya is lit: a small clay lamp filled with ghee or "
    "oil and burning on a cotton wick. Its flame stands for knowledge driving away the "
    "darkness of ignorance. At Diwali, the festival of lights, rows of diyas are set out in "
    "houses, shops and streets to welcome Lakshmi, the goddess of wealth. ",
    // 8 Pyramid
    "In modern Vastu practice, small pyramids of copper, brass or crystal are sold in the "
    "belief that they correct faults in the layout of a home and gather positive energy, an "
    "idea owing much to the pyramid power craze of the twentieth century. India's own "
    "pyramids are the towers of its temples, such as the stepped vimana of the Brihadeeswarar "
    "temple at Thanjavur, rising tier upon tier toward the divine.",
    // 9 Rudraksha
    "Rudraksha beads are the dried stones of the fruit of Elaeocarpus trees, which grow "
    "from the foothills of the Himalaya to Southeast Asia. The name means eye of Rudra, a "
    "form of Shiva, and legend says the first trees grew from tears that Shiva shed. "
    "Strung into malas for counting prayers and sorted by the number of faces, or mukhi, "
    "on the seed, they are worn to calm the mind and protect the wearer.",
    // 10 Swastika
    "Its name comes from the Sanskrit svastika, conducive to well-being, and the swastika is "
    "one of the oldest auspicious signs of India, already found on seals of the Indus Valley "
    "civilisation. Hindus and Jains draw it on thresholds, in account books and on wedding "
    "invitations, often in red, and Buddhist art sets it on the footprints of the Buddha. "
    "This ancient meaning long predates, and is distinct from, its appropriation by the Nazi "
    "party.",
    // 11 Tulsi
    "Hindus revere tulsi, or holy basil (Ocimum tenuiflorum), as an earthly form of the "
    "goddess Tulsi, beloved of Vishnu. Many homes grow it in a raised pot called a tulsi "
    "vrindavan in the courtyard, water it and walk around it every day, and its leaves are "
    "offered in the worship of Vishnu and Krishna. The plant is believed to purify the house "
    "it grows beside. ",
    // 12 Wheel
    "Time, order and righteous law are all bound up in the wheel, or chakra, an ancient "
    "Indian symbol. The first sermon of the Buddha is called setting in motion the wheel of "
    "dharma, and the 24-spoked Ashoka Chakra from the lion capital at Sarnath stands at the "
    "centre of the national flag of India. In Hindu art Vishnu carries the spinning discus "
    "Sudarshana Chakra as his weapon.",
};
static_assert(std::size(kIndian) == 12);

static constexpr const char *const kChinese[] = {
    // 1 Bamboo
    "Bamboo bends in the wind without breaking and stays green through winter, so in China "
    "it stands for resilience, integrity and long life, and it is one of the Three Friends "
    "of Winter with the pine and the plum. Its hollow stem is a sign of humility. The lucky "
    "bamboo sold in pots today is in fact no bamboo at all but a Dracaena, a plant of "
    "central Africa. ",
    // 2 Bat
    "Fu symbol : " FU_TEXT,
    // 3 Butterfly
    "Die, the second syllable of hudie, butterfly, sounds like a word for a person of "
    "seventy or eighty years, so in China the butterfly is a symbol of joy, love and long "
    "life. A pair of butterflies stands for a happy marriage, an image tied to the tale of "
    "the Butterfly Lovers, Liang Shanbo and Zhu Yingtai, whose spirits rose from their grave "
    "as two butterflies, and butterflies often decorate wedding gifts and embroidery. ",
    // 4 Crab
    "This is a status symbol. It is said to bring about prosperity and happiness. It is "
    "also said to increase fertility.",
    // 5 Crane
    "The red-crowned crane is the Chinese emblem of longevity and is said in legend to "
    "live a thousand years and to carry immortals to heaven on its back. It is often "
    "painted beside pine trees, another sign of long life, as a birthday wish for an "
    "elder. Under the Ming and Qing dynasties a crane was embroidered on the rank badge of "
    "the highest civil officials, so it also signifies high office.",
    // 6 Dragon
    "The Chinese word long (dragon) names a benevolent creature that rules water, rain and "
    "rivers, quite unlike the fire-breathing monster of European legend. The dragon became "
    "the emblem of the emperor and is one of the twelve animals of the Chinese zodiac. "
    "Dragon dances at the New Year are held to drive off evil, and people born in a dragon "
    "year are thought to be strong, lucky and successful. ",
    // 7 Fu Symbol
    FU_TEXT,
    // 8 Gold Fish
    "Goldfish were first bred for their colour in China more than a thousand years ago from "
    "a wild crucian carp. The word for fish, yu, sounds like the word for surplus, and "
    "jinyu, goldfish, sounds like gold and jade, so goldfish stand for abundance. A pair of "
    "golden fish is one of the eight auspicious symbols of Buddhism, and New Year prints of "
    "a child holding a fish among lotus flowers wish a family surplus year after year.",
    // 9 Gold Ingots
    "Silver and gold ingots, yuanbao, served as money in imperial China, and the boat-shaped "
    "ingot with raised ends and a rounded centre is the form most often shown. Caishen, the "
    "god of wealth, is pictured holding one. At the Spring Festival, when he is welcomed on "
    "the fifth day, replica ingots are set out and paper ones are folded as offerings, and "
    "dumplings shaped like ingots are eaten for wealth in the year ahead. ",
    // 10 Horse
    "In China the horse stands for speed, perseverance and success, and the saying ma dao "
    "chenggong, success on the arrival of the horse, is a common wish for a quick "
    "achievement. It is the seventh animal of the Chinese zodiac. The galloping horses of Xu "
    "Beihong made it a favourite subject of modern Chinese painting, and a picture of "
    "galloping horses is a common gift for someone starting out in business.",
    // 11 Jade
    "Jade, yu, has been carved in China since Neolithic times, and the Book of Rites has "
    "Confucius compare its qualities to the virtues of a gentleman. It stands for purity, "
    "nobility and long life, and Han princes were buried in suits of jade plates. A jade "
    "bangle or pendant is still a favourite gift, and many believe it protects its wearer, "
    "even breaking in their place when misfortune strikes. ",
    // 12 Magpie
    "The magpie is the bird of joy in China, where its name, xique, begins with the "
    "character for happiness. A magpie chattering near the house is said to announce good "
    "news or guests. In the legend of the Cowherd and the Weaver Girl, magpies form a "
    "bridge across the Milky Way so the lovers can meet on the seventh night of the "
    "seventh month, and a magpie on a plum branch is a wish for happiness.",
    // 13 Orchid
    "The orchid is one of the Four Gentlemen of Chinese painting, with the plum, bamboo and "
    "chrysanthemum, and stands for refinement, integrity and quiet virtue. A saying "
    "attributed to Confucius likens a person of noble character to an orchid that keeps its "
    "fragrance even when it grows unseen in a deep forest. A flowering orchid is a favourite "
    "gift at the Lunar New Year as a sign of elegance and prosperity. ",
    // 14 Phoenix
    "Said to appear only in times of peace and good government, the fenghuang, or Chinese "
    "phoenix, is a mythical bird that, unlike the phoenix of the West, is not reborn from "
    "fire. As the emblem of the empress it was paired with the dragon of the emperor, and "
    "the dragon and phoenix together remain a symbol of a happy marriage, shown on wedding "
    "decorations to wish the couple harmony.",
    // 15 Three Legged Toad
    "Sitting on a heap of coins with one more in its mouth, the three-legged toad, Jin Chan, "
    "is a popular Chinese charm for wealth. Legend says it was tamed by the Taoist immortal "
    "Liu Hai, who lured it out of a well with a string of gold coins. Feng shui places it "
    "near the entrance facing into the room, so that it brings money in rather than out.",
    // 16 Tortoise
    "The tortoise is one of the Four Benevolent Animals of Chinese lore, with the dragon, "
    "phoenix and qilin, and stands for longevity, endurance and stability. In myth the "
    "goddess Nuwa used the legs of a great turtle to prop up the sky, and the Black Tortoise "
    "guards the north. Its shell was used for divination under the Shang, and a tortoise "
    "figure is still kept at home as a wish for support and long life. ",
    // 17 Wealth Ship
    "The wealth ship is a model sailing junk laden with gold ingots, coins and gems, the "
    "image of a merchant ship coming home with its riches. Feng shui sets it near the front "
    "door with its bow pointing into the home, so that the ship is seen to sail in and unload "
    "its cargo of prosperity, and it is a common gift for the opening of a new business.",
    // 18 Yin Yang
    "The yin yang symbol, the taijitu, shows two interlocking halves, one dark and one "
    "light, each holding a dot of the other. Yin is the dark, cool, receptive side and yang "
    "the bright, warm, active side, and neither exists without the other. In Taoist thought "
    "and traditional Chinese medicine balance between them means health and harmony, and the "
    "sign is worn as a reminder of that balance.",
};
static_assert(std::size(kChinese) == 18);

static constexpr const char *const kJapanese[] = {
    // 1 Beckoning Cat
    "Shops and restaurants across Japan keep a maneki-neko, or beckoning cat, by the door: a "
    "figurine of a seated cat with one paw raised in the Japanese gesture that calls someone "
    "in. A raised right paw is said to invite money and a raised left paw customers. One "
    "legend ties it to the Gotokuji temple in Tokyo, where a cat beckoned a passing lord "
    "inside just before a storm broke.",
    // 2 Benten
    "The only goddess among the Seven Lucky Gods of Japan is Benten, or Benzaiten. She "
    "derives from the Hindu river goddess Sarasvati and is the patron of music, eloquence, "
    "learning, art and flowing water. She is shown playing the biwa, a Japanese lute, and is "
    "often enshrined on islands and beside ponds, as at Enoshima, where people pray to her "
    "for talent, beauty and wealth. ",
    // 3 Bishamon
    "Clad in armour, with a spear in one hand and a small pagoda in the other, Bishamon, or "
    "Bishamonten, is the warrior among the Seven Lucky Gods. He derives from Vaisravana, the "
    "Buddhist guardian king of the north. He protects the righteous, punishes evildoers and "
    "guards the treasure of the Buddhist law, and he is prayed to for victory, protection "
    "and wealth.",
    // 4 Daikokuten
    "Wealth, farming and the kitchen are the domain of Daikokuten, one of the Seven Lucky "
    "Gods. Derived from the Hindu Mahakala and merged with the native god Okuninushi, he is "
    "shown as a smiling, stout figure standing on two bales of rice, with a sack of "
    "treasures over his shoulder and a magic mallet that showers wealth on his worshippers. "
    "Rats, his messengers, often keep him company.",
    // 5 Daruma Doll
    "The Daruma doll is a round, hollow papier-mache figure modelled on Bodhidharma, the "
    "legendary founder of Zen, who is said to have meditated so long that he lost the use "
    "of his limbs. Weighted at the bottom, it rights itself when knocked over, a symbol of "
    "perseverance. Its eyes are left blank: the owner paints in one eye when making a wish "
    "or setting a goal and the other when it is fulfilled.  ",
    // 6 Ebisu
    "Ebisu is the god of fishermen, commerce and honest work, and the only one of the "
    "Seven Lucky Gods held to be native to Japan rather than drawn from India or China. He "
    "is shown as a cheerful, bearded man in a tall hat, holding a fishing rod and a red "
    "sea bream, tai, a fish whose name echoes medetai, joyous. Merchants honour him at the "
    "Toka Ebisu festival in January. ",
    // 7 Fukurokuju
    "Fukurokuju is one of the Seven Lucky Gods, and his name joins the words for happiness "
    "(fuku), wealth (roku) and long life (ju). Thought to derive from a Taoist hermit of "
    "the Song dynasty and linked with the Chinese star god of longevity, he is shown as an "
    "old man with a very tall forehead, a staff and a scroll, often with a crane. He is "
    "prayed to for a long, prosperous life.",
    // 8 Jurojin
    "He is the God of good luck, happiness and money. He also protects us from all evils "
    "and gives us a long life.",
    // 9 Laughing Buddha
    "Known in Japan as Hotei, the Laughing Buddha is the cheerful, fat, bald monk among the "
    "Seven Lucky Gods. He is based on Budai, a wandering Chinese Chan monk of the tenth "
    "century who carried his few belongings in a cloth sack, and he came to be seen as a "
    "form of Maitreya, the Buddha to come. Rubbing his big belly is said to bring good luck, "
    "and he stands for contentment and plenty.",
    // 10 Tanuki
    "He is said to be the god of food. He is also a symbol of good luck. They are "
    "considered to be symbols of fertility.",
};
static_assert(std::size(kJapanese) == 10);

static constexpr const char *const kEgyptian[] = {
    // 1 Angel
    "Ancient Egypt had no angels in the later Jewish, Christian and Islamic sense, but its "
    "art is full of winged protectors. Isis, Nephthys and Maat were shown with outstretched "
    "wings sheltering the king or the dead, and the ba, a part of the soul, was drawn as a "
    "human-headed bird. Small faience amulets of a kneeling goddess, Isis or the sky goddess "
    "Nut, with her wings spread wide were sewn onto mummy wrappings to guard the dead.",
    // 2 Ankh
    "The ankh is the ancient Egyptian hieroglyph for life, a cross topped with a loop. "
    "Gods are often shown holding it to the nose of the king to give him the breath of "
    "life, and it appears in royal names such as Tutankhamun, the living image of Amun. "
    "Worn as an amulet and placed in tombs, it promised life, health and protection, and "
    "it remains one of the best-known signs of Egypt. ",
    // 3 Caduceus
    "The caduceus is the herald's staff of the Greek god Hermes, a rod twined by two snakes, "
    "often with wings. Greeks had equated Hermes with Thoth, the ibis-headed Egyptian god of "
    "wisdom and writing, by the time Herodotus wrote in the fifth century BC, and in Roman "
    "Alexandria the staff was held by Hermanubis, a blend of Hermes and Anubis. A sign of "
    "trade, safe travel and good luck, it is often confused with the one-snake rod of "
    "Asclepius.",
    // 4 Elephant
    "Elephants roamed the Nile lands in prehistoric times and appear in Egyptian rock art "
    "and on early pottery, and the island of Elephantine at Aswan was called Abu, elephant, "
    "perhaps for the ivory trade that passed through it. Ivory was carved into combs, "
    "amulets and figurines. The elephant charm with its trunk raised for luck, though, is "
    "modern charm lore with nothing Egyptian in it.",
    // 5 Eye of Horus
    "Among the most common amulets of ancient Egypt was the Eye of Horus, or wedjat, a sign "
    "of protection, royal power and good health. In myth Horus lost his left eye in his "
    "battle with Seth for the throne of Osiris, and Thoth, or in some versions Hathor, "
    "restored and healed it, so the eye came to stand for healing and wholeness. The living "
    "wore it, and it was placed with mummies to protect them.",
    // 6 Isis
    "Isis was one of the great goddesses of ancient Egypt, the wife of Osiris and the "
    "mother of Horus. After Seth killed Osiris she gathered his body and by her magic "
    "revived him long enough to conceive Horus, whom she hid and raised in the marshes of "
    "the Delta. Revered as mother, healer and mistress of magic, she was asked for "
    "protection, and her knot amulet, the tyet, guarded the dead.",
    // 7 Lotus Flower
    "The blue water lily of the Nile, seshen to the Egyptians and usually called the lotus, "
    "opens its flowers in the morning and closes them later in the day. It therefore stood "
    "for the sun, creation and rebirth, and in one creation myth the young sun god rose from "
    "a lotus on the primeval waters. The flower was offered to the gods and carved on temple "
    "columns, and lotus amulets of faience or carnelian wished their owners rebirth and "
    "renewed life",
    // 8 Scarab
    "The scarab beetle rolls balls of dung across the ground, and the Egyptians saw in it "
    "an image of the god Khepri pushing the sun across the sky each morning. Young beetles "
    "seemed to rise from the earth on their own, so the scarab became a symbol of "
    "creation, renewal and rebirth. Scarab amulets were worn for luck and protection, and "
    "heart scarabs were laid over the hearts of mummies. ",
};
static_assert(std::size(kEgyptian) == 8);

static constexpr const char *const kEnglish[] = {
    // 1 3 Keys
    "Keys have long stood for power, knowledge and access: in Christian art Saint Peter "
    "holds the keys of heaven, and a ceremonial key to a city is given as an honour. In "
    "Britain a key was the traditional gift for a twenty-first birthday, when the young "
    "adult got the key of the door. Today three keys worn together are sold as a charm for "
    "health, wealth and love.",
    // 2 Acorn
    "The acorn is the seed of the oak, a tree sacred to the Norse god Thor and thought to "
    "attract lightning. Keeping an acorn on a windowsill was said to protect a house from "
    "lightning, a custom sometimes given as the reason for the acorn-shaped pulls on old "
    "window blinds. Because a mighty oak grows from a small seed, an acorn in the pocket is "
    "carried for luck, long life and youthful vigour. ",
    // 3 Coin
    "Finding a coin, above all one lying heads up, is widely held to bring good luck, and an "
    "old rhyme promises a whole day of luck to anyone who picks up a penny. A silver sixpence "
    "was traditionally stirred into the Christmas pudding or put in the shoe of a bride, as "
    "the old bridal verse of something old and something new asks, and bent or holed coins "
    "were kept as charms against misfortune.",
    // 4 Four Leaf Clover
    "Four-leafed clovers are believed to be very lucky for their rarity.       Most clover "
    "leaves have three leaflets, and only about one leaf in 5,000 to 10,000 grows a fourth. "
    "By tradition the four leaves stand for faith, hope, love and luck. Saint Patrick's use "
    "of the shamrock to explain the Holy Trinity, a story first recorded in 1726, concerns "
    "the ordinary three-leaved kind.",
    // 5 Horseshoe
    "A horseshoe nailed over a door is one of the oldest English good luck charms. Iron "
    "was believed to repel witches and evil spirits, and legend says Saint Dunstan, a "
    "blacksmith who became Archbishop of Canterbury, nailed a shoe to the hoof of the "
    "Devil and freed him only on his promise never to enter a house with a horseshoe above "
    "the door. Hung points up, it is said to hold the luck in. ",
    // 6 Ladybug
    "Called the ladybird in Britain, the ladybug is a small spotted beetle named after the "
    "Virgin Mary, Our Lady, to whom farmers are said to have prayed for help against pests. "
    "These beetles eat aphids, so their arrival was welcome. A ladybird that lands on "
    "someone is thought to bring luck and killing one bad luck, and the number of its spots "
    "was once said to foretell how many happy months lay ahead.",
    // 7 Old Boot
    "Old shoes and boots were long thought to carry good luck and to keep away evil. Worn "
    "single shoes have been found hidden in the walls and chimneys of many old English "
    "houses, apparently to protect the home. Throwing an old shoe after a newly married "
    "couple, or tying old boots to their carriage, was a customary wish for good fortune "
    "and many children in their marriage.",
    // 8 Pig
    "The pig has long been a sign of luck and plenty in Europe, since a household that kept a "
    "pig had meat for the winter. In Germany marzipan pigs are given for luck at the New "
    "Year, and the piggy bank carries the same wish for savings that grow fat. In fishing "
    "villages of north-east Scotland and Yorkshire, by contrast, the word pig was not spoken "
    "at sea, and the animal was called curly tail, grunter or some other name instead.  ",
    // 9 Rabbit's Foot
    "A rabbit's foot is carried as a charm in many parts of Europe and North America. "
    "Rabbits and hares were linked with spring and fertility because of their many young, "
    "and in folklore the left hind foot was held to be the luckiest. The charm spread "
    "widely in the United States through the African American folk magic tradition known "
    "as hoodoo, and it is still sold on key rings.",
    // 10 Unicorn
    "Pictured as a white horse with a single spiralled horn, the unicorn stands for purity, "
    "grace and strength. Medieval writers held that its horn could detect and neutralise "
    "poison, and narwhal tusks were sold in Europe as unicorn horns. It is the emblem of "
    "Scotland and supports the royal coat of arms of the United Kingdom beside the lion of "
    "England.",
    // 11 Wishbone
    "A bird's wishbone, the furcula, is formed where its two collarbones join. By an old "
    "custom two people each take one end of the dried bone of a chicken or turkey and pull "
    "until it breaks, and the one left holding the larger piece makes a wish. The custom is "
    "often traced, on slight evidence, to Etruscan and Roman bird divination, and in "
    "English-speaking homes it follows the Christmas or Thanksgiving meal. ",
    // 12 Wood
    "Back In many pagan traditions, the tree was considered as a symbol of life, "
    "immortality, fertility, growth and prosperity. One popular explanation of the saying "
    "touch wood, or knock on wood, is that people once touched trees to call on the "
    "protective spirits thought to live in them, and the phrase is still used to keep a "
    "boast or a hope from bringing bad luck.",
};
static_assert(std::size(kEnglish) == 12);

static constexpr const char *const kArabian[] = {
    // 1 Dolphins
    "This is a symbol of intelligence. This brings in good luck. These strong and happy "
    "animals inspire people to strive harder and fight against all odds.",
    // 2 Hamsa Hand
    "Its name comes from khamsa, Arabic for five; hamsa is the Hebrew and English form. The "
    "amulet is an open hand, often with an eye in the palm, hung in homes and worn across "
    "North Africa and the Middle East against the evil eye. An origin before Islam is "
    "suggested but not settled. In Muslim folk tradition, above all in the Maghreb, it is "
    "the Hand of Fatima, after the daughter of the Prophet Muhammad, though many Muslims "
    "reject amulets. Some Jews call it the Hand of Miriam.",
};
static_assert(std::size(kArabian) == 2);

static constexpr const char *const kNativeAmerican[] = {
    // 1 Broken Arrow
    ARROW_TEXT,
    // 2 Crossed Arrows
    "Arrow: " ARROW_TEXT,
    // 3 Feathers
    "Many Native American peoples hold feathers sacred, above all those of the eagle. Among "
    "the Lakota and other Plains nations the eagle, held to fly higher than any other bird, "
    "is seen as a messenger to the Creator, and an eagle feather is given to honour bravery "
    "and handled with great care. It is a ceremonial object, not a charm for sale: in the "
    "United States only enrolled members of federally recognised tribes may possess eagle "
    "feathers.",
    // 4 Fence
    "Your good luck will guarded by the fence.",
    // 5 Kokopelli Charm
    "A humpbacked flute player appears in the rock art of the American Southwest from more "
    "than a thousand years ago, notably among the Ancestral Puebloans. The Hopi katsina "
    "Kookopolo is another figure, a humpbacked bringer of fertility who plays no flute. The "
    "dancing flute player sold today as Kokopelli is a modern blend of the two, and as a "
    "charm he stands for music, merriment and mischief.",
    // 6 Leaf
    "Modern charts of Native American symbols give the leaf as a sign of wealth and plenty. "
    "The Anishinaabe of the Great Lakes name four sacred medicines, all of them plants: "
    "tobacco, the first plant the Creator gave the people, is offered in thanks and with "
    "every prayer, and sage, cedar and sweetgrass are burned to cleanse people and places. "
    "As a charm, a leaf is a wish for prosperity, good health and renewal.",
    // 7 Mountain
    "This is a symbol of abundance.",
    // 8 Rain Cloud
    "Good prospects are coming your way.",
    // 9 Rain Drop
    "This signifies that you will have plenty of everything. This will also bring you good "
    "luck.",
    // 10 Rain
    "This may be a good season for crops.",
    // 11 Sun
    "This is a symbol of happiness.",
    // 12 Thunderbird
    "This stands for brightness in your lives. This is the bearer of happiness",
};
static_assert(std::size(kNativeAmerican) == 12);

#undef FU_TEXT
#undef ARROW_TEXT

std::span<const char *const> descriptionTexts(SymbolType type)
{
    switch (type) {
    case SymbolType::Indian:
        return kIndian;
    case SymbolType::Chinese:
        return kChinese;
    case SymbolType::Japanese:
        return kJapanese;
    case SymbolType::Egyptian:
        return kEgyptian;
    case SymbolType::English:
        return kEnglish;
    case SymbolType::Arabian:
        return kArabian;
    case SymbolType::NativeAmerican:
        return kNativeAmerican;
    }
    return {};
}
