#include "ApplicationTitle.h"

#include <QFileInfo>

namespace transcalc {

QString ApplicationTitle(const QString& programPath) {
    QString name = QFileInfo(programPath).fileName();
    name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    return name.left(1) + name.mid(1).toLower();
}

}  // namespace transcalc
