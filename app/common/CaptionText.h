#pragma once

#include <QString>

namespace transcalc {

// The captions of the fields and of the mode as the window shows them. The
// window holds a caption in Russian, the text the state file keeps in every
// language, and shows it in the window's language: the core's tables give
// the fields' and modes' English. A caption it does not know (a state file
// may hold any) is shown as it is.
QString ShownCaption(const QString& caption);

}  // namespace transcalc
