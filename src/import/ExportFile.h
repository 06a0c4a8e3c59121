#pragma once

#include <QByteArray>
#include <QString>

class Prompter;

// The operator's path, with ".csv" when they typed no extension. The file
// dialog asked about replacing only the name as typed, so a file that the
// extension makes it name is replaced only when the operator says so; empty
// when they do not. A database file, or a name only database files go by, is
// refused with the reason: empty, too.
QString ExportPath(Prompter& prompter, const QString& chosen);

// Writes the file beside its place and renames it into it, so a failure
// never leaves half a file. The reason of a failure; empty when written.
QString WriteExportFile(const QString& path, const QByteArray& bytes);

// What an export asks and says: the file dialog's title and filter, what
// it writes ("The reliefs", for "The reliefs could not be exported to ..."),
// and what it says once written ("12 relief(s)", for "12 relief(s) exported to ...").
struct ExportRequest {
    QString dialogTitle;
    QString filter;
    QString what;
    QString written;
};

// Asks for the file, writes the bytes into it and says how it went, under
// the title "Export". Whether the file was written.
bool ExportToChosenFile(Prompter& prompter, const ExportRequest& request, const QByteArray& bytes);
