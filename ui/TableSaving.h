#pragma once

#include <QString>

class QWidget;

#include "outcome/Outcome.h"
#include "tables/Controls.h"
#include "tables/Table.h"

namespace tachoria {

// Writes `table` as CSV to `path` through QSaveFile: the file is replaced
// only once the whole table is written, so a failed write (a read-only
// folder, a full disk) never leaves a cut-off file where a good one was.
// Says why the file could not be written, if it could not.
Outcome<> SaveTableFile(const Table& table, const QString& path);

// Asks where to save (AskWhereToSave) and saves a copy of `table` there; a
// failure is reported to `failures`.
void SaveTableAs(QWidget& parent, const Table& table, const QString& suggestedName,
                 FailureSink& failures);

}  // namespace tachoria
