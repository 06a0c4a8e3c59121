#pragma once

class Connection;
class ScreenRegistry;

// Opens a screen's connection with the program's connection string. A database
// that cannot be opened is reported once, naming the file and the reason, and
// the program ends; the caller then goes no further.
bool OpenDatabaseOrEnd(Connection& connection, ScreenRegistry& registry);
