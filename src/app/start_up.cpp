#include "app/start_up.h"

#include "display/text_page.h"

namespace rolvanta {

void startUp(Session& session, Shell& shell, const WindowMeasures& measures) {
    Project& project = session.project;
    resetProjectFlags(project.flags);
    session.textLayout = measureTextMetrics(measures.defaultFont, measures.pageFontHeight);
    resetBeamSection(project.section);
    loadDefaultCoefficients(project.coefficients);
    session.initialClientRect = measures.clientRect;
    shell.setWindowTitle(std::string(kProgramName) + " - Start New Project");
    updateScrollRanges(session.textScroll, session.textLayout,
                       textPageSize(project, 0, session.textLayout),
                       {measures.clientRect.width, measures.clientRect.height});

    shell.setScrollBarsEnabled(false);
    shell.setToolbarShown(true);
    session.graphicsMode = 0;
    shell.showDisplayMode(0);
    markProjectUnchanged(session);
}

}  // namespace rolvanta
