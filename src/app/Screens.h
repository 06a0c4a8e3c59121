#pragma once

class QWidget;
class ScreenRegistry;

// Makes the program's screens known to the registry.
void RegisterScreens(ScreenRegistry& registry);

// Connects what a newly opened attendance screen starts to the relief side.
void ConnectToReliefSide(ScreenRegistry& registry, QWidget* screen);
