#include "app/preview_folders.h"

#include <QDir>
#include <QStandardPaths>

namespace monit12 {

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

} // namespace monit12
