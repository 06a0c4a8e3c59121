#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class Connection;
struct DbError;

// A client-side snapshot of one query on one table: navigation both ways,
// row count and position, fields by ordinal or by name, and changes to the
// current row that stay pending until Update writes them to that table.
class Recordset {
public:
    Recordset(Connection& connection, const QString& table);

    bool Open(const QString& sql, const QVariantList& values = {});
    bool Requery();
    void Close();

    bool IsBOF() const { return rows_.isEmpty() || position_ < 0; }
    bool IsEOF() const { return rows_.isEmpty() || position_ >= rows_.size(); }
    bool HasCurrentRow() const { return !IsBOF() && !IsEOF(); }
    void MoveFirst() { position_ = 0; }
    void MoveLast() { position_ = int(rows_.size()) - 1; }
    void MoveNext();
    void MovePrevious();
    void Move(int rows);

    int RecordCount() const { return int(rows_.size()); }
    // 1-based position of the current row; 0 when there is none.
    int AbsolutePosition() const { return HasCurrentRow() ? position_ + 1 : 0; }

    int FieldCount() const { return int(names_.size()); }
    int FieldIndex(const QString& name) const;
    QVariant Field(int ordinal) const;
    QVariant Field(const QString& name) const { return Field(FieldIndex(name)); }
    QString Text(int ordinal) const { return Field(ordinal).toString(); }
    QString Text(const QString& name) const { return Field(name).toString(); }
    void SetField(int ordinal, const QVariant& value);
    void SetField(const QString& name, const QVariant& value) { SetField(FieldIndex(name), value); }

    void AddNew();
    bool IsPending() const { return pending_.has_value(); }
    bool Update();
    void CancelUpdate();

    const DbError& LastError() const;

private:
    struct Pending {
        bool isNew = false;
        int returnPosition = 0;
        QList<QVariant> values;
        QList<bool> changed;
    };

    bool Insert();
    bool UpdateExisting();
    QStringList ChangedNames() const;
    QVariantList ChangedValues() const;

    Connection& connection_;
    QString sql_;
    QVariantList values_;
    const QString table_;
    QStringList names_;
    QList<QList<QVariant>> rows_;
    QList<qint64> rowIds_;
    int position_ = 0;
    std::optional<Pending> pending_;
};
