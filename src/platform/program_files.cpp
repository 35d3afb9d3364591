#include "platform/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace rolvanta {

QString findShippedFile(const QString& name) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {programDir.filePath(name),
          programDir.filePath(QStringLiteral("../share/rolvanta/") + name)}) {
        if (QFileInfo(candidate).isFile()) return QDir::cleanPath(candidate);
    }
    return {};
}

QString findProgramFile(const QString& name) {
    if (QFileInfo(name).isFile()) return name;
    return findShippedFile(name);
}

}  // namespace rolvanta
