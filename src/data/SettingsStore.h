#pragma once

#include "data/RowLookup.h"

#include <QString>

#include <optional>

class Connection;

// The settings row of table Custom, each column by name. Stay times are in
// milliseconds; a column left empty reads as 0, or as an empty text.
struct SettingsRow {
    // 1 for the settings row; 0 fixes the login's role.
    int key = 0;
    // Reserved: written only by the defaults, read by nothing.
    double daysLimit = 0;
    double fratePerDay = 0;
    double maxHold = 0;
    // The Administrator's password, kept as its hash (an older file may keep it plain).
    QString pass;
    double refCopy = 0;
    double salNew = 0;
    double salPer = 0;
    double salTemp = 0;
    double splashTime = 0;
    // The window-position option, 1 to 3 as the settings screen stores it.
    int viewe = 0;
    double welcomeTime = 0;
    bool welcome = false;
    QString schoolName;
    // The school logo's file path; empty or "N/A" for none.
    QString picture;

    bool operator==(const SettingsRow&) const = default;
};

// What the settings screen applies; without a new password hash the stored
// password is kept.
struct SettingsChange {
    std::optional<QString> passwordHash;
    double splashTime = 0;
    int viewe = 0;
    bool welcome = false;
    double welcomeTime = 0;
};

enum class SettingsWrite {
    Written,
    // No row to write to: nothing was stored.
    NoRow,
    // The store refused the write; the connection keeps the failure.
    Failed
};

// The single settings row of table Custom. Readers take the first row the
// table holds; the settings screen's writes go to the row whose Key is 1 only.
class SettingsStore {
public:
    explicit SettingsStore(Connection& connection)
        : connection_(connection)
    {
    }

    RowLookup<SettingsRow> Read();

    SettingsWrite Apply(const SettingsChange& change);
    // Every column back to its default, but the password, the school and its logo.
    SettingsWrite RestoreDefaults();

    // The school's name and logo, in the row Read gives.
    SettingsWrite SetSchool(const QString& name, const QString& picture);

    // Puts the hash in place of a password kept as plain text; secure_delete
    // leaves no trace of the plain text in the file.
    bool ReplacePlainPassword(const QString& plain, const QString& hash);

private:
    SettingsWrite Update(const QString& sql, const QVariantList& values);

    Connection& connection_;
};
