#include "ui/TableSaving.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "tables/TableText.h"

namespace tachoria {
namespace {

// The folder of the last save, for this run of the program only.
QString& LastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

}  // namespace

QString SaveTableFile(const Table& table, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const std::string csv = CommaSeparatedText(table);
    // Flushed here, not left to commit(): Qt's commit renames the new file
    // into place even when writing out its last buffered bytes failed.
    if (file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.flush()) {
        QString error = file.errorString();
        file.cancelWriting();
        file.commit();  // discards the new file
        return error;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

void SaveTableAs(QWidget& parent, const Table& table, const QString& suggestedName,
                 FailureSink& failures) {
    auto* dialog = new QFileDialog(&parent, QStringLiteral("Save Table As"),
                                   QDir(LastFolder()).filePath(suggestedName),
                                   QStringLiteral("CSV files (*.csv);;All files (*)"));
    dialog->setObjectName(QStringLiteral("saveTableDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(
        dialog, &QFileDialog::fileSelected, &parent,
        [copy = table, &failures](const QString& path) {
            LastFolder() = QFileInfo(path).absolutePath();
            const QString error = SaveTableFile(copy, path);
            if (!error.isEmpty()) {
                failures.Report(QStringLiteral("The table could not be saved to %1: %2")
                                    .arg(QDir::toNativeSeparators(path), error)
                                    .toStdString());
            }
        });
    dialog->open();
}

}  // namespace tachoria
