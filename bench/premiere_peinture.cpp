// Linked into a program beside its own main(): once a window gets its first paint, prints the
// steady clock in nanoseconds and quits. comparer_demarrage reads that line to time the start-up.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class PremierePeinture : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint && !peinte_ && objet->isWidgetType() &&
            static_cast<QWidget*>(objet)->isWindow()) {
            peinte_ = true;
            // Queued, so that the children are painted and the frame is flushed first.
            QMetaObject::invokeMethod(
                this,
                [] {
                    const auto maintenant = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf("%lld\n", static_cast<long long>(
                                              std::chrono::nanoseconds(maintenant).count()));
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(objet, evenement);
    }

private:
    bool peinte_ = false;
};

void installer() { qApp->installEventFilter(new PremierePeinture(qApp)); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installer)
