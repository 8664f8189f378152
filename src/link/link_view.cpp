#include "link/link_view.h"

#include "core/main_window.h"

namespace lumivox {

LinkView::LinkView(TVirelta& window) : window_(window) {}

void LinkView::resetRunFlags() {}

bool LinkView::openPortAtStartUp()
{
    return true;
}

void LinkView::Timer1Timer() {}
void LinkView::Timer3Timer() {}
void LinkView::DCF77_LED_TimerTimer() {}

}  // namespace lumivox
