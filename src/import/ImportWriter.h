#pragma once

#include "import/ImportPlan.h"
#include "import/Progress.h"

class Connection;

// Writes a plan to TabelPB in one transaction: added teachers are inserted,
// changed teachers get their 80 timetable cells replaced, and the school's
// periods in a day are set when the plan gives them. On any failure, or
// when the progress answers stop, nothing is written and the reason is
// returned; an empty result means everything was written.
QString WriteImportPlan(Connection& connection, const ImportPlan& plan, const Progress& progress = {});
