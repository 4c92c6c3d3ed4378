// The yardstick of the start-up time: one Qt Widgets window with a label
// and a button, timed from process start to its first paint.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {
class FirstPaint : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            ::_exit(0);
        }
        return false;
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaint probe;
    app.installEventFilter(&probe);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Password:"), &window));
    layout->addWidget(new QPushButton(QStringLiteral("OK"), &window));
    window.show();
    return app.exec();
}
