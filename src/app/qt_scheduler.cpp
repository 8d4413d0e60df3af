#include "app/qt_scheduler.h"

#include <QTimer>

namespace zelvo {

void QtScheduler::attach(Timer& t) {
    auto* q = new QTimer();
    q->setTimerType(Qt::PreciseTimer);
    QObject::connect(q, &QTimer::timeout, [this, &t] {
        if (t.inTick || !t.enabled()) return;  // a tick is never re-entered
        t.inTick = true;
        if (t.onTick) t.onTick();
        t.inTick = false;
        if (afterEveryTick) afterEveryTick(t);
    });
    t.handle = q;
}

void QtScheduler::detach(Timer& t) {
    delete static_cast<QTimer*>(t.handle);
    t.handle = nullptr;
}

void QtScheduler::rearm(Timer& t) {
    auto* q = static_cast<QTimer*>(t.handle);
    if (!q) return;
    // Starting again restarts the count, as setting the interval must.
    if (t.enabled() && t.interval() > 0) q->start(t.interval());
    else q->stop();
}

}  // namespace zelvo
