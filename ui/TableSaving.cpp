#include "ui/TableSaving.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "tables/TableText.h"
#include "ui/ControlLook.h"
#include "ui/SaveDialog.h"

namespace tachoria {

Outcome<> SaveTableFile(const Table& table, const QString& path) {
    // QSaveFile would rename its new file over a device or a pipe (as root,
    // over /dev/full itself): such a name is refused, never replaced.
    if (const QFileInfo target(path); target.exists() && !target.isFile() && !target.isDir()) {
        return Failure{"that is not a regular file"};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure{file.errorString().toStdString()};
    }
    const std::string csv = CommaSeparatedText(table);
    // Flushed here, not left to commit(): Qt's commit renames the new file
    // into place even when writing out its last buffered bytes failed.
    if (file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.flush()) {
        Failure error{file.errorString().toStdString()};
        file.cancelWriting();
        file.commit();  // discards the new file
        return error;
    }
    if (!file.commit()) {
        return Failure{file.errorString().toStdString()};
    }
    return Done{};
}

void SaveTableAs(QWidget& parent, const Table& table, const QString& suggestedName,
                 FailureSink& failures) {
    AskWhereToSave(
        parent,
        {.title = QStringLiteral("Save Table As"),
         .objectName = QStringLiteral("saveTableDialog"),
         .suggestedName = suggestedName,
         .filter = QStringLiteral("CSV files (*.csv);;All files (*)"),
         .suffix = QStringLiteral("csv")},
        [copy = table, &failures](const QString& path) {
            const Outcome<> saved = SaveTableFile(copy, path);
            if (!saved) {
                failures.Report(QStringLiteral("The table could not be saved to %1: %2")
                                    .arg(QDir::toNativeSeparators(path), ToQString(saved.message()))
                                    .toStdString());
            }
        });
}

}  // namespace tachoria
