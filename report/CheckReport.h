#pragma once

#include <span>

#include "ConverterRun.h"
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

// The converter's outputs as the report shows them: a row per output, the
// RMS current at V_in,min where the currents are largest (a push-pull's
// half), then the lines of both ends; empty while the converter is not in use.
WindingTable ConverterTableOf(const ConverterRun& converter, DecimalSeparator separator,
                              Language language = Language::Russian);

}  // namespace transcalc
