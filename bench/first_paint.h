#pragma once

class QWidget;

// Shows `window` (already made and filled, or filled by its own show) and processes events
// until it has painted for the first time: what the secretary waits for after a click.
// Answers false when no paint came within a second.
bool showUntilPainted(QWidget& window);

