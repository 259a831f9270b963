#pragma once

#include "DesignCheck.h"
#include "NumberText.h"
#include "ReportContent.h"

namespace transcalc {

// The design check's part of a report: its lines, and its plot when it has a
// core loss to sweep, in the content's language.
void AddCheckToReport(ReportContent& content, const CheckedDesign& design, const Material* material,
                      const CheckInputs& inputs, DecimalSeparator separator);

}  // namespace transcalc
