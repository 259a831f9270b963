#include "Command.h"

#include <exception>

#include "Errors.h"
#include "ResultsPass.h"

namespace transcalc {

CommandOutcome RunCommand(const InputFields& fields, const CorePictures& cores, DesignState& state,
                          ResultsList& list, DecimalSeparator separator) {
    CommandOutcome outcome;
    try {
        Calculate(fields, cores, state, list, separator);
        outcome.asRead = state;
        RunResultsPass(cores, state, list, separator);
    } catch (const std::exception& error) {
        outcome.error = ErrorBoxText(error.what());
    }
    return outcome;
}

}  // namespace transcalc
