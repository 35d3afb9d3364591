#pragma once

// The client area in text mode: paints the text page the session's state
// calls for (display/text_page.h) in a 15-pixel serif on white, and the
// welcome picture over it from start-up until the first repaint.

#include <QFont>
#include <QImage>
#include <QWidget>

#include "app/session.h"

namespace rolvanta {

class TextPageWidget : public QWidget {
    Q_OBJECT
  public:
    TextPageWidget(const Session& session, QWidget* parent = nullptr);

    // The picture shown at (5, 70) until hideWelcomePicture(); a null image
    // shows nothing.
    void setWelcomePicture(const QImage& picture);
    void hideWelcomePicture();
    bool welcomePictureShown() const { return !welcomePicture_.isNull(); }

    // The font the pages are drawn in.
    static QFont pageFont();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Session& session_;
    QFont font_;
    QImage welcomePicture_;
};

}  // namespace rolvanta
