#pragma once

#include <QString>

namespace transcalc {

// The captions of the fields and of the mode as the window shows them. The
// window holds a caption in Russian, the text the state file keeps in every
// language, and shows its translation; a caption it does not know (a state
// file may hold any) is shown as it is.
QString ShownCaption(const QString& caption);

}  // namespace transcalc
