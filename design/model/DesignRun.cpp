#include "DesignRun.h"

#include <exception>

#include "Calculate.h"
#include "Errors.h"
#include "ResultsPass.h"

namespace transcalc {

CorePictures RunCores(const Design& design) {
    CorePictures cores = design.cores;
    if (design.familyCore) {
        // The classic designs run on the family core's effective parameters.
        const CoreShape shape =
            CoreShape::OfFamily(design.familyCore->core, design.familyCore->bobbin);
        cores.named =
            NamedCore{design.catalogueCore, shape.ClassicArea() * 1e4, shape.ClassicPath() * 1e2};
    }
    return cores;
}

DesignRun RunDesign(const Design& design, DecimalSeparator separator,
                    const std::optional<CoreLetters>& letters, Language language) {
    DesignRun run;
    run.after.Mode = design.mode;
    run.coreFamily = design.Family();
    const CorePictures cores = RunCores(design);
    try {
        Calculate(design.fields, cores, run.after, run.list, separator, language);
        run.asRead = run.after;
        RunResultsPass(cores, run.after, run.list, separator, language);
    } catch (const std::exception& error) {
        run.error = ErrorBoxText(error.what());
    }
    run.checked = CheckedDesignOf(run.error, run.list.colour, run.asRead, run.after, cores, letters,
                                  design.familyCore);
    return run;
}

}  // namespace transcalc
