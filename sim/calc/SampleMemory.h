// The built-in sample contents and the calculator-side program files.
#pragma once
#include "sim/calc/CalcMemory.h"
#include "sim/calc/SimCalculator.h"

#include <string>

namespace lw::sim {

// One object from its text (a quoted name gives the name itself). Throws ESyntax.
TNibs CompileObject(const std::string& text);

// Fills HOME with the sample variables and directories.
void FillSampleMemory(TCalcMemory& mem);

// The object file header of a model.
std::string ModelHeader(TModel model);

// The archive program that sends the whole memory when evaluated (ArchKA.zq, ArchKB.zq)
// and the stand-in for the server program (XSrvrKA.zq), as object files.
std::string ArchiveProgramFile(TModel model);
std::string ServerProgramFile();

} // namespace lw::sim
