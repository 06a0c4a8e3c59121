#pragma once

class ScreenRegistry;

// Makes the program's screens known to the registry.
void RegisterScreens(ScreenRegistry& registry);
