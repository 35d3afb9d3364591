#pragma once

// The client area in text mode: paints the text page the session's state
// calls for (display/text_page.h) in a 15-pixel serif on white, and the
// welcome picture over it from start-up until the first repaint. It drives
// the page's two scroll bars: their ranges follow the page and the widget's
// size, and the bars, the mouse wheel and the scrolling keys move the page.

#include <QFont>
#include <QImage>
#include <QWidget>

#include "app/session.h"

class QScrollBar;

namespace rolvanta {

class TextPageWidget : public QWidget {
    Q_OBJECT
  public:
    // The bars belong to the caller, which places them beside the page.
    TextPageWidget(Session& session, QScrollBar* vertical, QScrollBar* horizontal,
                   QWidget* parent = nullptr);

    // The picture shown at (5, 70) until hideWelcomePicture(); a null image
    // shows nothing.
    void setWelcomePicture(const QImage& picture);
    void hideWelcomePicture();
    bool welcomePictureShown() const { return !welcomePicture_.isNull(); }

    // Fits the bars to the page the session now calls for; after anything
    // that may change the page.
    void fitScrollBars();

    // Scrolls by a key (a Qt::Key): the arrows, PgUp, PgDn, Home and End
    // (nothing moves while the bars are disabled). False for any other key.
    bool scrollByKey(int qtKey);

    // The font the pages are drawn in.
    static QFont pageFont();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void scrollVertically(int action);
    void scrollHorizontally(int action);
    void showScrollPositions();

    Session& session_;
    QScrollBar* vertical_;
    QScrollBar* horizontal_;
    QFont font_;
    QImage welcomePicture_;
};

}  // namespace rolvanta
