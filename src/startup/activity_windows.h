#pragma once

#include <functional>

class QWidget;
class RunState;

// Makes the window of activity n (1 to 12) as a child of the main window. Each
// activity's own window replaces its placeholder here when it is built.
using ActivityFactory = std::function<QWidget*(int activity, RunState& state, QWidget* parent)>;

QWidget* createActivityWindow(int activity, RunState& state, QWidget* parent);
