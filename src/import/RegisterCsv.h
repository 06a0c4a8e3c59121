#pragma once

#include "import/Csv.h"
#include "import/ImportedTeacher.h"

#include <QByteArray>

// The register as a CSV file that a spreadsheet opens as it is: UTF-8 with a
// byte-order mark, a header of the table's column names, one row per teacher
// (given as its 89 column texts in table order). A cell that a spreadsheet
// would take as a formula is written with a leading apostrophe.
QByteArray RegisterCsvFile(const QList<QStringList>& teacherTexts);

// Whether a CSV header is that of the register's own file.
bool IsRegisterHeader(const QStringList& header);

// Reads the register's CSV file. One leading apostrophe of a cell, the
// export's escape, is taken away. A row whose number is not a whole number
// 1..32767, whose flags are not "0" or "1", or that holds a text longer than
// the register takes, is refused; blank title, subjects, class and common name
// become "-", and an empty class cell makes its slot an off period, as the
// teacher screen saves them. On a missing column the reason is set and nothing
// is read.
ImportedTeachers ReadRegisterCsv(CsvTable&& csv, QString* error);
