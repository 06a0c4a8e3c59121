#include "data/Recordset.h"

#include "data/ColumnNames.h"
#include "data/Connection.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace {
// The row id is read along with the query's own columns so that a change to a
// row can be written back to the one row it came from.
QString WithRowId(const QString& sql)
{
    static const QRegularExpression select(QStringLiteral("^\\s*select\\b\\s*"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString result = sql;
    return result.replace(select, QStringLiteral("SELECT _rowid_, "));
}

QString Quoted(const QString& name)
{
    return '"' + name + '"';
}
}

Recordset::Recordset(Connection& connection, const QString& table)
    : connection_(connection)
    , table_(table)
{
}

const DbError& Recordset::LastError() const
{
    return connection_.LastError();
}

bool Recordset::Open(const QString& sql, const QVariantList& values)
{
    Close();
    sql_ = sql;
    values_ = values;

    QSqlQuery query(connection_.Database());
    query.setForwardOnly(true);
    if (!connection_.Run(query, WithRowId(sql), values))
        return false;
    const QSqlRecord record = query.record();
    for (int i = 1; i < record.count(); ++i)
        names_ << record.fieldName(i);
    while (query.next()) {
        rowIds_ << query.value(0).toLongLong();
        QList<QVariant> row;
        row.reserve(names_.size());
        for (int i = 1; i <= names_.size(); ++i)
            row << query.value(i);
        rows_ << row;
    }
    position_ = 0;
    if (connection_.CheckRead(query))
        return true;
    // A table that cannot be read to its end is not shown in part.
    Close();
    return false;
}

bool Recordset::Requery()
{
    return Open(sql_, values_);
}

void Recordset::Close()
{
    names_.clear();
    rows_.clear();
    rowIds_.clear();
    pending_.reset();
    position_ = 0;
}

void Recordset::MoveNext()
{
    position_ = std::min(position_ + 1, int(rows_.size()));
}

void Recordset::MovePrevious()
{
    position_ = std::max(position_ - 1, -1);
}

void Recordset::Move(int rows)
{
    position_ = std::clamp(position_ + rows, -1, int(rows_.size()));
}

int Recordset::FieldIndex(const QString& name) const
{
    return int(IndexOfColumn(names_, name));
}

QVariant Recordset::Field(int ordinal) const
{
    if (!HasCurrentRow() || ordinal < 0 || ordinal >= names_.size())
        return {};
    if (pending_ && pending_->changed[ordinal])
        return pending_->values[ordinal];
    return rows_[position_][ordinal];
}

void Recordset::SetField(int ordinal, const QVariant& value)
{
    if (!HasCurrentRow() || ordinal < 0 || ordinal >= names_.size())
        return;
    if (!pending_) {
        pending_ = Pending {false, position_, rows_[position_], QList<bool>(names_.size(), false)};
    }
    pending_->values[ordinal] = value;
    pending_->changed[ordinal] = true;
}

void Recordset::AddNew()
{
    CancelUpdate();
    const int returnPosition = position_;
    rows_ << QList<QVariant>(names_.size());
    rowIds_ << -1;
    position_ = int(rows_.size()) - 1;
    pending_ = Pending {true, returnPosition, rows_.last(), QList<bool>(names_.size(), false)};
}

QStringList Recordset::ChangedNames() const
{
    QStringList names;
    for (int i = 0; i < names_.size(); ++i) {
        if (pending_->changed[i])
            names << Quoted(names_[i]);
    }
    return names;
}

QVariantList Recordset::ChangedValues() const
{
    QVariantList values;
    for (int i = 0; i < names_.size(); ++i) {
        if (pending_->changed[i])
            values << pending_->values[i];
    }
    return values;
}

bool Recordset::Update()
{
    if (!pending_)
        return true;
    const bool written = pending_->isNew ? Insert() : UpdateExisting();
    if (!written)
        return false;
    rows_[position_] = pending_->values;
    pending_.reset();
    return true;
}

bool Recordset::Insert()
{
    const QStringList names = ChangedNames();
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(Quoted(table_), names.join(','),
                                 QStringList(names.size(), QStringLiteral("?")).join(','));
    QSqlQuery query(connection_.Database());
    if (!connection_.Run(query, sql, ChangedValues()))
        return false;
    rowIds_[position_] = query.lastInsertId().toLongLong();
    return true;
}

bool Recordset::UpdateExisting()
{
    QStringList assignments;
    for (const QString& name : ChangedNames())
        assignments << name + QStringLiteral(" = ?");
    if (assignments.isEmpty())
        return true;
    QSqlQuery query(connection_.Database());
    return connection_.Run(
        query, QStringLiteral("UPDATE %1 SET %2 WHERE _rowid_ = ?").arg(Quoted(table_), assignments.join(',')),
        ChangedValues() << rowIds_[position_]);
}

void Recordset::CancelUpdate()
{
    if (!pending_)
        return;
    if (pending_->isNew) {
        rows_.removeLast();
        rowIds_.removeLast();
        position_ = std::min(pending_->returnPosition, int(rows_.size()));
    }
    pending_.reset();
}
