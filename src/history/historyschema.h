#pragma once

#include <QSqlDatabase>

// The history's tables, version by version. PRAGMA user_version holds the
// version a file is at; each step brings it one version on, so a file from
// any older version of the game is brought up to date in order.
namespace historyschema {

// The version this build writes; a file beyond it is left alone.
int currentVersion();
// Runs the steps from `fromVersion` to `toVersion` (0: currentVersion()) and
// sets user_version, inside the caller's transaction. False on the first
// statement that fails (the database's error is then db.lastError() or the
// failing query's). The tests make files of older versions with toVersion.
bool migrate(QSqlDatabase &db, int fromVersion, QString *error, int toVersion = 0);

} // namespace historyschema
