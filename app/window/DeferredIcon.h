#pragma once

#include <QIcon>
#include <QString>

namespace transcalc {

// The icon of a picture file, read and drawn only when first drawn or
// measured. A hidden core picture costs nothing at start, where an icon of
// its SVG would be parsed as it is made; the icon is never null.
QIcon DeferredIcon(const QString& path);

}  // namespace transcalc
