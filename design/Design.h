#pragma once

// The numeric core of Transcalc, free of any window toolkit.
//
// How the pieces fit:
//   NumberText   field text -> number (ParseNumber) and number -> result text
//                (FormatNumber), with the two roundings to k decimals. The
//                decimal separator is always given by the caller.
//   Extended     the 80-bit arithmetic every formula runs in, with the three
//                faults (ArithmeticFault) as exceptions, and Store to double.
//   DesignState  the values that all the steps below share.
//   Calculate    the "Расчет" command: fields -> DesignState, core geometry,
//                echo lines and mode line in a ResultsList.
//   ResultsPass  what follows a Calculate: core header, checks, one mode
//                design (Choke, Flyback, Forward; each through
//                GappedInductance), the failure line and the ring trailer.
//   ResultsList  the interface through which lines and the list colour reach
//                whoever shows them: the window, the command line, the tests.
//
//   Language     Russian (the classic, the default) or English: the
//                language of every text the core writes.
//   Phrases      the one table of those texts, a Russian and an English
//                column: results list lines, units, the check's lines.
//   InputField   the twelve input fields by role, with their design texts.
//   WorkMode     the four work modes and three core kinds: texts, command-line
//                names, menu items.
//   DesignModel  one design as the user states it (field texts, core
//                pictures, mode, catalogue core and material names, check
//                inputs): what the window shows and a design file keeps.
//   DesignRun    RunDesign: one click on "Расчет" of a Design, Calculate and
//                one results pass, with the error box text, the state as
//                read and after, and the design that the check reads. The
//                only way from a design to its results.
//   Material     a core material as the catalogue and the design check see it.
//   EffectiveParameters  a core's A_e, l_e, V_e by the standard method, and
//                its outer surface, for the design check.
//   CoreLoss     the loss density of a material over a flux waveform, its
//                frequency ranges blended where they meet.
//   DesignCheck  after a whole run: flux against the material's saturation
//                at temperature, core loss, temperature rise and skin depth
//                (CheckedDesignOf -> RunDesignCheck), at another frequency too.
//                A core that leaves no window for the winding is refused.
//   CheckCurve   the check swept over frequency, for the plot, with the
//                windings' copper and the whole part's loss and rise.
//   CheckText    the check's lines as the dialog, command line and report show them.
//   Dowell       Dowell's AC factor of layered round wire and the exact
//                harmonics of a piecewise-linear current.
//   WindingCheck after the design check: the sections of the winding, their
//                wires at the current density, layers and fit in the core's
//                window, copper loss with skin and proximity effects, and the
//                whole part's loss, temperature rise and efficiency; the
//                copper at another frequency with the same wires.
//   WindingText  the windings as a table and as lines, for the command line
//                and the report.
//   Adviser      the other way round: from the converter's figures, every
//                catalogue core of the chosen kinds tried on a grid of dB, gaps
//                and turns through the run and both checks; the smallest
//                feasible cores, and in words why none is.
//
// Every error is a ConversionError or an ArithmeticFault whose what() is the
// error box text (see ErrorBoxText).

#include "Adviser.h"
#include "Calculate.h"
#include "CheckCurve.h"
#include "CheckText.h"
#include "Choke.h"
#include "CoreLoss.h"
#include "DesignCheck.h"
#include "DesignModel.h"
#include "DesignRun.h"
#include "DesignState.h"
#include "Dowell.h"
#include "EffectiveParameters.h"
#include "Errors.h"
#include "Extended.h"
#include "Flyback.h"
#include "Forward.h"
#include "GappedInductance.h"
#include "InputField.h"
#include "Language.h"
#include "Material.h"
#include "NumberText.h"
#include "Phrases.h"
#include "ResultsList.h"
#include "ResultsPass.h"
#include "WindingCheck.h"
#include "WindingText.h"
#include "WorkMode.h"
