#pragma once

class QWidget;

// The window that hosts the activities (the main window), as the windows it opens see it.
class ActivityHost {
public:
    virtual ~ActivityHost() = default;

    // The number of the open activity, 0 when none is open.
    virtual int CurrentActivity() const = 0;
    // Closes the open activity, as a second click on its button would.
    virtual void Close_Current_Activity() = 0;
    // Enables or disables the host window while a sub-window of an activity is open.
    virtual void setHostEnabled(bool enabled) = 0;
    // The host window itself, owner of the sub-windows it opens.
    virtual QWidget* hostWindow() = 0;
};
