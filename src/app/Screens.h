#pragma once

class ScreenRegistry;

// Makes the program's screens known to the registry, and connects what a
// screen starts on a screen it may not know of.
void RegisterScreens(ScreenRegistry& registry);
