#pragma once

class ScreenRegistry;

// At start-up, where the folder holds no database file but the user's
// settings record a backup, the operator is told that no database was found
// and chooses: open the last backup (restored as from the backup screen) or
// start with an empty database. A first start with no backup made says nothing.
void OfferLastBackupForMissingDatabase(ScreenRegistry& registry);
