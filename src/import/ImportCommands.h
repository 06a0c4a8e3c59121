#pragma once

class QWidget;
class ScreenRegistry;

// Import: the operator chooses a file, sees the preview and confirms. True
// when teachers were written, so that the caller shows the register afresh.
bool ImportTeachers(ScreenRegistry& registry, QWidget* parent);

// Export: writes the whole register to a CSV file that the operator names.
void ExportTeachers(ScreenRegistry& registry);
