#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tachoria {

// What a save dialog asks for.
struct SaveRequest {
    QString title;          // "Save Table As"
    QString objectName;     // the dialog's, for tests and tools
    QString suggestedName;  // the file name offered, with its extension
    QString filter;         // "CSV files (*.csv);;All files (*)"
    QString suffix;         // added when the user types none: "csv"
};

// Asks where to save, starting in the folder last saved to in this run of
// the program, and calls `save` with the path chosen. The dialog does not
// block: the caller's handler ends before it is answered. It tells files
// apart by their names only: reading a file to tell its type hangs on
// some, such as those under /proc.
void AskWhereToSave(QWidget& parent, const SaveRequest& request,
                    std::function<void(const QString& path)> save);

// Makes every file list inside `dialog` (such as the print dialog's file
// name completer) tell files apart by name only, for the same reason.
void ListFilesByNameOnly(QWidget& dialog);

}  // namespace tachoria
