#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

// What QGuiApplication, QApplication and the X11 and Wayland platforms read
// from the command line; each takes one value unless it stands in kQtFlags.
constexpr const char *kQtValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session", "display", "geometry", "title", "icon", "name", "visual", "style", "stylesheet", "qmljsdebugger",
    "dialogs", "fontengine",
};
constexpr const char *kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = arguments.value(0, QStringLiteral("qv-orbalin"));

    QCommandLineParser parser;
    // Qt's own options are single words after one dash (-platform, -style),
    // so -hv is not -h -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Draws good-luck symbols of seven traditions at random.\n"
        "Qt's own options, such as -platform, -style and -display, are accepted as well; see qv-orbalin(6)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const bool parsed = parser.parse(arguments);
    if (parsed && !parser.isSet(help) && !parser.isSet(version)) {
        if (parser.positionalArguments().isEmpty())
            return std::nullopt;
    }

    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString error = parsed
            ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst())
            : parser.errorText();
        print(stderr, QStringLiteral("qv-orbalin: %1\nTry '%2 --help' for more information.\n").arg(error, program));
        return 1;
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it was started, which the
        // parser takes from a core application.
        QCoreApplication application(argc, argv);
        print(stdout, parser.helpText());
        return 0;
    }
    print(stdout, QStringLiteral("qv-orbalin %1\n").arg(QStringLiteral(QVO_VERSION)));
    return 0;
}
