#pragma once

#include <functional>

class ActivityWindow;
class QWidget;
class RunState;

// Makes the window of activity n (1 to ActivityCatalog::Count) as a child of the main
// window; nullptr for any other number.
using ActivityFactory = std::function<ActivityWindow*(int activity, RunState& state, QWidget* parent)>;

ActivityWindow* createActivityWindow(int activity, RunState& state, QWidget* parent);
