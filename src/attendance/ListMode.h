#pragma once

// What the attendance board's selected-numbers grid lists.
enum class ListMode { None, Absence, Presence, AllTeachers };
