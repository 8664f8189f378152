#include <QApplication>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

#include "core/main_window.h"

namespace {

// LUMIVOX_SCREENSHOT=out.png: show the window (optionally a page given by
// LUMIVOX_SCREENSHOT_PAGE), let it run a few poll ticks, save a PNG, quit.
void scheduleScreenshot(lumivox::TVirelta& window)
{
    const QString out = qEnvironmentVariable("LUMIVOX_SCREENSHOT");
    if (out.isEmpty())
        return;
    const int page = qEnvironmentVariableIntValue("LUMIVOX_SCREENSHOT_PAGE");
    QTimer::singleShot(300, &window, [&window, page] { window.pageControl()->setCurrentIndex(page); });
    QTimer::singleShot(4000, &window, [&window, out] {
        window.grab().save(out);
        QApplication::quit();
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    lumivox::TVirelta window;
    window.show();
    scheduleScreenshot(window);
    return app.exec();
}
