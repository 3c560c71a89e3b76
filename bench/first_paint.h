#pragma once

// Shared by the game and the empty window so that both are measured alike:
// once the first window has painted, print the wall-clock time and the resident
// memory, then quit.

#include <cstdio>
#include <ctime>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "bench/resident_memory.h"

class FirstPaint final : public QObject {
public:
    FirstPaint() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            // After the paint event the children paint and the frame goes to the
            // screen within the same update; report when that is done.
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                std::printf("painted %lld rss_kib %ld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, bench::residentKib());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};
