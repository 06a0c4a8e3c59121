#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program's command line asks for.
struct CommandLine {
    // The database file given with --database, absolute; empty when none was given.
    QString database;
    // Set when the program ends at once: after --help or --version (0), or on
    // an option it does not know (2); the text is then printed.
    std::optional<int> exitCode;
    QString text;
};

// Reads the arguments, the program's own name first, as main() receives them;
// it needs no display. The window system's own options (-platform, -style and
// the like) are left to QApplication.
CommandLine ReadCommandLine(const QStringList& arguments);

// Prints the text of a command line that ends the program: help and version
// on standard output, a mistake on standard error.
void PrintCommandLineText(const CommandLine& commandLine);
