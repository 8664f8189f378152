#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "core/main_window.h"
#include "link/controller_link.h"
#include "link/demo_controller.h"
#include "link/link_view.h"

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
    // --demo: a simulated controller on a pseudo-terminal, connected to COM 1.
    lumivox::DemoController demo;
    const bool demoMode = app.arguments().contains(QStringLiteral("--demo"));
    if (demoMode && !demo.start()) {
        std::fprintf(stderr, "lumivox --demo: %s\n", qPrintable(demo.errorText()));
        return 1;
    }
    lumivox::TVirelta window;
    if (demoMode) {
        window.link().useDemoDevice(demo.device());
        QObject::connect(&demo, &lumivox::DemoController::simulatorEnded, &window,
                         [&window] { window.link().controller().deviceGone(); });
    }
    window.show();
    scheduleScreenshot(window);
    return app.exec();
}
