#pragma once

class Connection;
class ScreenRegistry;

// Opens the main screen's connection with the program's connection string at
// start-up. A database that cannot be opened is reported once, naming the
// file and the reason, and the program ends; the caller then goes no further.
bool OpenDatabaseOrEnd(Connection& connection, ScreenRegistry& registry);

// Opens the connection of a screen opened while the program runs. When the
// database cannot be opened the operator is told so plainly, the screen does
// not open, and the program goes on.
bool OpenDatabaseForScreen(Connection& connection, ScreenRegistry& registry);

// Tells the operator that reading from the database failed, with the file and
// the reason, so that nothing is shown from a table read only in part.
void ReportReadFailure(const Connection& connection, ScreenRegistry& registry);

// Tells the operator at start-up when changes cannot be saved because the
// database file's folder cannot be written to.
void WarnWhenChangesCannotBeSaved(const Connection& connection, ScreenRegistry& registry);
