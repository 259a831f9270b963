#include "DesignRun.h"

#include <exception>

#include "Calculate.h"
#include "Errors.h"
#include "ResultsPass.h"

namespace transcalc {

DesignRun RunDesign(const Design& design, DecimalSeparator separator,
                    const std::optional<CoreLetters>& letters, Language language) {
    DesignRun run;
    run.after.Mode = design.mode;
    try {
        Calculate(design.fields, design.cores, run.after, run.list, separator, language);
        run.asRead = run.after;
        RunResultsPass(design.cores, run.after, run.list, separator, language);
    } catch (const std::exception& error) {
        run.error = ErrorBoxText(error.what());
    }
    run.checked =
        CheckedDesignOf(run.error, run.list.colour, run.asRead, run.after, design.cores, letters);
    return run;
}

}  // namespace transcalc
