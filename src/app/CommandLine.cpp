#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {
constexpr int UsageError = 2;
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
    if (!parser.parse(arguments)) {
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
