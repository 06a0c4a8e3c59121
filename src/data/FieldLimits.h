#pragma once

// The longest texts the program takes, typed or imported: long enough for
// any real name, short enough that screens and reports stay usable.
constexpr int MaxRegisterText = 100; // every text field of a teacher row
constexpr int MaxSchoolName = 200;
// The Administrator's password, as the login and the settings take it.
constexpr int MaxPasswordLength = 20;

// How many teachers the attendance board has boxes for; an import that
// takes the register past it says so.
constexpr int BoardBoxes = 220;
