#include "app/start_up.h"

#include "display/text_page.h"

namespace rolvanta {

void startUp(Session& session, Shell& shell, const WindowMeasures& measures) {
    startUpProject(session.project);
    session.textLayout = measureTextMetrics(measures.defaultFont, measures.pageFontHeight);
    session.initialClientRect = measures.clientRect;
    shell.setWindowTitle(startUpTitle());
    updateScrollRanges(session.textScroll, session.textLayout,
                       textPageSize(session.project, DisplayMode::TextPages, session.textLayout),
                       {measures.clientRect.width, measures.clientRect.height});

    shell.setScrollBarsEnabled(false);
    shell.setToolbarShown(true);
    session.displayMode = DisplayMode::TextPages;
    shell.showDisplayMode(DisplayMode::TextPages);
    markProjectUnchanged(session);
}

}  // namespace rolvanta
