#include "app/start_up.h"

#include "display/text_page.h"

namespace rolvanta {

void startUp(Session& session, Shell& shell, const WindowMeasures& measures) {
    startUpProject(session.project);
    session.textLayout = measureTextMetrics(measures.defaultFont, measures.pageFontHeight);
    session.initialClientRect = measures.clientRect;
    shell.setWindowTitle(startUpTitle());
    updateScrollRanges(session.textScroll, session.textLayout,
                       textPageSize(session.project, 0, session.textLayout),
                       {measures.clientRect.width, measures.clientRect.height});

    shell.setScrollBarsEnabled(false);
    shell.setToolbarShown(true);
    session.graphicsMode = 0;
    shell.showDisplayMode(0);
    markProjectUnchanged(session);
}

}  // namespace rolvanta
