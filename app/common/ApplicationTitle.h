#pragma once

#include <QString>

namespace transcalc {

// The application's title as error boxes show it: the program file's name
// without its folder and without everything from its first "." on, every
// character after the first in lower case.
QString ApplicationTitle(const QString& programPath);

}  // namespace transcalc
