#pragma once

class ScreenRegistry;
class frmTTAb;

// A lesson of an absent teacher chosen on the absence timetable: it starts a
// row of the relief set, hands slot, class and period over, and opens the
// relief list for it; a class already covered in that period is refused.
void ChooseLesson(ScreenRegistry& registry, frmTTAb& timetable, int slot);

// The attendance board's "Previous Relief List": the relief set, opened for
// looking at and reloading the saved reliefs, not for printing them again.
void OpenReliefSetFromBoard(ScreenRegistry& registry);
