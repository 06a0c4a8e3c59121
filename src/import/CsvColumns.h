#pragma once

#include "import/Csv.h"
#include "import/ImportedTeacher.h"

#include <QHash>

// Finds a file's columns by the names in its header, without regard to
// letter case or surrounding blanks.
class CsvColumns {
public:
    explicit CsvColumns(const QStringList& header);

    bool Has(const QString& name) const { return index_.contains(Key(name)); }
    // The first of the names that the header lacks; empty when it has them all.
    QString FirstMissing(const QStringList& names) const;
    QString Field(const CsvRecord& record, const QString& name) const;
    // A record with another number of fields than the header, as a rejected row.
    std::optional<RejectedRow> CheckFieldCount(const CsvRecord& record) const;

private:
    static QString Key(const QString& name) { return name.trimmed().toLower(); }

    QHash<QString, int> index_;
    int count_ = 0;
};
