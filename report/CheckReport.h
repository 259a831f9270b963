#pragma once

#include <span>

#include "DesignCheck.h"
#include "DesignRun.h"
#include "NumberText.h"
#include "ReportContent.h"
#include "WindingCheck.h"

namespace transcalc {

// The design check's part of a report for a run of a design: its lines, its
// plot when it has a core loss to sweep, and the windings wound with wires,
// in the content's language.
void AddCheckToReport(ReportContent& content, const DesignRun& run, const Material* material,
                      const CheckInputs& inputs, std::span<const RoundWire> wires,
                      DecimalSeparator separator);

}  // namespace transcalc
