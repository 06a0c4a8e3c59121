#pragma once

#include <QByteArray>
#include <QString>

class Prompter;

// The operator's path, with ".csv" when they typed no extension. The file
// dialog asked about replacing only the name as typed, so a file that the
// extension makes it name is replaced only when the operator says so; empty
// when they do not.
QString ExportPath(Prompter& prompter, QString path);

// Writes the file beside its place and renames it into it, so a failure
// never leaves half a file. The reason of a failure; empty when written.
QString WriteExportFile(const QString& path, const QByteArray& bytes);
