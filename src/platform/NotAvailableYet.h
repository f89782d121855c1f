#pragma once
class QWidget;

// Tells the user that a command is not available in this build yet.
void ShowNotAvailableYet(QWidget* parent);
