#include "app/start_up.h"

namespace rolvanta {

void startUp(Session& session, Shell& shell, const WindowMeasures& measures) {
    startUpProject(session.project);
    session.textLayout = measureTextMetrics(measures.defaultFont, measures.pageFontHeight);
    session.initialClientRect = measures.clientRect;
    shell.setWindowTitle(startUpTitle());
    updateScrollRanges(session.textScroll, session.textLayout);

    shell.setScrollBarsEnabled(false);
    shell.setToolbarShown(true);
    session.graphicsMode = 0;
    shell.showDisplayMode(0);
    markProjectUnchanged(session);
}

}  // namespace rolvanta
