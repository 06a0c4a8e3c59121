#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int UsageError = 2;

// The window system's own options, which QApplication takes off the command
// line as it starts: the program leaves them to it. Some take the next
// argument as their value, some a value after "=", the rest none.
const QStringList QtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "geometry", "qwindowicon",
    "icon",     "qwindowtitle",       "title",         "session", "display",         "name",     "visual",
    "style",    "stylesheet",         "qmljsdebugger"};
const QStringList QtOptionsWithEquals = {"style=", "stylesheet=", "qmljsdebugger="};
const QStringList QtFlags = {"reverse", "testability", "widgetcount", "nograb", "dograb"};

// How many arguments from this one on are a Qt option with its value; 0 when it is none.
int QtOptionLength(const QString& argument)
{
    if (!argument.startsWith('-'))
        return 0;
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    if (QtOptionsWithValue.contains(name))
        return 2;
    const auto withEquals = [&name](const QString& prefix) { return name.startsWith(prefix); };
    return QtFlags.contains(name) || std::any_of(QtOptionsWithEquals.begin(), QtOptionsWithEquals.end(), withEquals)
        ? 1
        : 0;
}

// The arguments as the program reads them once QApplication has taken its own.
QStringList WithoutQtOptions(const QStringList& arguments)
{
    QStringList left = arguments.mid(0, 1);
    for (qsizetype index = 1; index < arguments.size();) {
        const int length = QtOptionLength(arguments[index]);
        if (length == 0)
            left << arguments[index];
        index += std::max(length, 1);
    }
    return left;
}
}

CommandLine ReadCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plans a school's relief teaching."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption database(QStringLiteral("database"),
                                      QStringLiteral("Opens FILE as the database, created on first start."),
                                      QStringLiteral("FILE"));
    parser.addOption(database);

    CommandLine read;
    const QString program = QFileInfo(arguments.value(0)).fileName();
    if (!parser.parse(WithoutQtOptions(arguments))) {
        read.exitCode = UsageError;
        read.text = QStringLiteral("%1: %2\nTry '%1 --help' for the options.\n").arg(program, parser.errorText());
    } else if (!parser.positionalArguments().isEmpty()) {
        read.exitCode = UsageError;
        read.text = QStringLiteral("%1: unexpected argument '%2'\nTry '%1 --help' for the options.\n")
                        .arg(program, parser.positionalArguments().first());
    } else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        read.exitCode = 0;
        read.text = parser.helpText();
    } else if (parser.isSet(version)) {
        read.exitCode = 0;
        read.text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                  QCoreApplication::applicationVersion());
    } else if (parser.isSet(database)) {
        read.database = QFileInfo(parser.value(database)).absoluteFilePath();
    }
    return read;
}

void PrintCommandLineText(const CommandLine& commandLine)
{
    std::FILE* stream = commandLine.exitCode == 0 ? stdout : stderr;
    std::fputs(qPrintable(commandLine.text), stream);
}
