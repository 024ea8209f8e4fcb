#include "first_paint.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>

namespace {

// Notes the first paint event of the window it watches.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& window) : m_window(window) { m_window.installEventFilter(this); }
    ~PaintWatch() override { m_window.removeEventFilter(this); }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QWidget& m_window;
    bool m_painted = false;
};

bool processUntilPainted(const PaintWatch& watch) {
    const QDeadlineTimer deadline(1000);
    while (!watch.painted() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return watch.painted();
}

} // namespace

bool showUntilPainted(QWidget& window) {
    const PaintWatch watch(window);
    window.show();
    return processUntilPainted(watch);
}
