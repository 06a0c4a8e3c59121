#pragma once

#include "import/Progress.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One record of a CSV file and the line on which it starts (1 for the first).
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

struct CsvTable {
    QList<CsvRecord> records;
    QString error;
};

// The text of a file in UTF-8, with or without a byte-order mark, read piece
// by piece. A file holding NUL bytes is refused as not text, any other
// encoding than UTF-8 as such, each with a reason that names the first line
// at fault.
std::optional<QString> ReadUtf8Text(QIODevice& file, QString* error);

// Splits CSV text into records. The separator is the first comma, semicolon
// or vertical bar of the first line; quoted fields (in double quotes, or in
// apostrophes when the file begins with one) may hold separators, doubled
// quotes and line breaks. Empty lines are skipped.
CsvTable ParseCsv(const QString& text, const Progress& progress = {});

// One record as a line of a comma-separated file, quoted where needed.
QString CsvLine(const QStringList& fields);

// A spreadsheet takes a cell that begins with "=", "+", "-", "@", a tab or a
// carriage return as a formula, so such a cell is written with a leading
// apostrophe, which makes it text. A cell that really begins with an
// apostrophe gets one more, so that a reader takes exactly one away from
// every cell that begins with one. "-" alone is no formula and stays as it is.
QString SpreadsheetText(const QString& cell);

// The byte-order mark that lets a spreadsheet open a CSV file as UTF-8.
inline const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
