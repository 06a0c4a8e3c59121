#include "import/CsvColumns.h"

CsvColumns::CsvColumns(const QStringList& header)
    : count_(int(header.size()))
{
    for (int i = 0; i < header.size(); ++i)
        index_.insert(Key(header[i]), i);
}

QString CsvColumns::FirstMissing(const QStringList& names) const
{
    for (const QString& name : names) {
        if (!Has(name))
            return name;
    }
    return {};
}

QString CsvColumns::Field(const CsvRecord& record, const QString& name) const
{
    return record.fields.value(index_.value(Key(name), -1));
}

std::optional<RejectedRow> CsvColumns::CheckFieldCount(const CsvRecord& record) const
{
    if (record.fields.size() == count_)
        return std::nullopt;
    return RejectedRow {
        record.line,
        {},
        QStringLiteral("it has %1 fields where the header has %2").arg(record.fields.size()).arg(count_)};
}
