#include "ui/SaveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMimeDatabase>

namespace tachoria {
namespace {

// The folder of the last save, for this run of the program only.
QString& LastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

// Names a file's type from its name, never from its content: Qt's own
// provider reads each file the dialog lists, and a read of /proc/kmsg or
// of a pipe never returns.
class NameOnlyIcons final : public QFileIconProvider {
public:
    [[nodiscard]] QString type(const QFileInfo& info) const override {
        if (info.isDir()) {
            return QFileIconProvider::type(info);
        }
        return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
    }
};

NameOnlyIcons& Icons() {
    static NameOnlyIcons icons;
    return icons;
}

}  // namespace

void ListFilesByNameOnly(QWidget& dialog) {
    for (QFileSystemModel* model : dialog.findChildren<QFileSystemModel*>()) {
        model->setIconProvider(&Icons());
    }
}

void AskWhereToSave(QWidget& parent, const SaveRequest& request,
                    std::function<void(const QString& path)> save) {
    auto* dialog = new QFileDialog(
        &parent, request.title, QDir(LastFolder()).filePath(request.suggestedName), request.filter);
    dialog->setObjectName(request.objectName);
    dialog->setIconProvider(&Icons());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(request.suffix);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, &parent,
                     [save = std::move(save)](const QString& path) {
                         LastFolder() = QFileInfo(path).absolutePath();
                         save(path);
                     });
    dialog->open();
}

}  // namespace tachoria
