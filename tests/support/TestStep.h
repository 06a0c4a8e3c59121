#pragma once

#include <source_location>

// Where the running test last drove the program: the line of its last Find,
// Click or planned answer. A fault that shows up later, inside the program
// (an unplanned question), is reported at that line of the test.
void NoteTestStep(const std::source_location& where);
std::source_location LastTestStep();
