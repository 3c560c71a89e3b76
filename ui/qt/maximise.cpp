#include "ui/qt/maximise.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

namespace ui::qt {
namespace {

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

class MaximiseGuard final : public QObject {
public:
    explicit MaximiseGuard(QWidget& window) : QObject(&window), m_window(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_window)
            return false;
        if (event->type() == QEvent::Show && !m_watching && m_window.windowHandle()) {
            // A request to maximise (the title bar's button, a menu) changes the
            // state at once, before the compositor answers: the size must be free
            // by then.
            connect(m_window.windowHandle(), &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
                if ((state & Enlarged) && m_window.minimumSize() == m_window.maximumSize()) {
                    m_fixed = m_window.minimumSize();
                    m_window.setMinimumSize(0, 0);
                    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
                }
            });
            m_watching = true;
        } else if (event->type() == QEvent::WindowStateChange && m_fixed.isValid()
            && !(m_window.windowState() & Enlarged)) {
            // Only now that the compositor has restored it: fixing the size on the
            // request, while it is still maximised, would meet the same refusal.
            m_window.setFixedSize(m_fixed);
            m_fixed = QSize();
        }
        return false;
    }

private:
    QWidget& m_window;
    QSize m_fixed;  // while maximised, the size to go back to
    bool m_watching = false;
};

}  // namespace

void keepThroughMaximise(QWidget& window)
{
    new MaximiseGuard(window);
}

}  // namespace ui::qt
