#pragma once

// Start-up ends when the learner sees the window: after its first paint. Calls `akce` once, from
// the event loop, right after the first window of `typ` (a QDialog, a QMainWindow ...) has been
// painted; installed on the application, it watches every paint event.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

template <typename Okno> class PrvniVykresleni : public QObject {
public:
    explicit PrvniVykresleni(std::function<void(Okno*)> akce) : akce_(std::move(akce))
    {
        qApp->installEventFilter(this);
    }
    ~PrvniVykresleni() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* cil, QEvent* udalost) override
    {
        if (!hotovo_ && udalost->type() == QEvent::Paint) {
            auto* okno = qobject_cast<Okno*>(cil);
            if (okno && okno->isWindow()) {
                hotovo_ = true;
                // The rest of the paint pass (the children, the flush) runs first.
                QTimer::singleShot(0, this, [this, okno] { akce_(okno); });
            }
        }
        return false;
    }

private:
    std::function<void(Okno*)> akce_;
    bool hotovo_ = false;
};
