#include "platform/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "storage/file_io.h"

namespace rolvanta {

QString findShippedFile(const QString& name) {
    const std::string found =
        findShippedFile(QCoreApplication::applicationDirPath().toStdString(), name.toStdString());
    return QFileInfo(QString::fromStdString(found)).isFile()
               ? QDir::cleanPath(QString::fromStdString(found))
               : QString();
}

QString findProgramFile(const QString& name) {
    if (QFileInfo(name).isFile()) return name;
    return findShippedFile(name);
}

}  // namespace rolvanta
