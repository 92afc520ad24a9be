#include "toolkit/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace qn::toolkit {

QString withDefaultSuffix(const QString& path, const QString& suffix)
{
    // "Rent vs. Buy Worksheet" has a dot but no extension: an extension has no blanks.
    const QString extension = QFileInfo(path).suffix();
    if (path.isEmpty() || (!extension.isEmpty() && !extension.contains(QLatin1Char(' '))))
        return path;
    return path + QLatin1Char('.') + suffix;
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& proposedName,
                        const QString& filter, const QString& suffix)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (!proposedName.isEmpty())
        dialog.selectFile(withDefaultSuffix(proposedName, suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    // Some desktops' own dialogs ignore the default suffix; add it here as well.
    return withDefaultSuffix(dialog.selectedFiles().constFirst(), suffix);
}

} // namespace qn::toolkit
