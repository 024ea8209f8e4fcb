#include "startup/activity_windows.h"

#include "startup/activity_catalog.h"
#include "startup/activity_placeholder.h"

QWidget* createActivityWindow(int activity, RunState&, QWidget* parent) {
    switch (activity) {
    default:
        return new ActivityPlaceholder(ActivityCatalog::get(activity).caption, parent);
    }
}
