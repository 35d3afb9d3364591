#include "platform/text_page_widget.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "display/text_page.h"
#include "engine/windows1252.h"
#include "platform/artwork.h"
#include "platform/fonts.h"

namespace rolvanta {
namespace {

class PainterSurface : public TextSurface {
  public:
    PainterSurface(QPainter& painter, const QRect& dirty)
        : painter_(painter),
          ascent_(painter.fontMetrics().ascent()),
          height_(painter.fontMetrics().height()),
          dirty_(dirty) {}

    void drawText(int x, int y, TextColour colour, std::string_view text) override {
        // Lines outside the part being repainted are not worth shaping.
        if (y > dirty_.bottom() || y + height_ < dirty_.top()) return;
        painter_.setPen(QColor(colour.red, colour.green, colour.blue));
        painter_.drawText(x, y + ascent_, QString::fromStdString(utf8FromWindows1252(text)));
    }

  private:
    QPainter& painter_;
    int ascent_;
    int height_;
    QRect dirty_;
};

}  // namespace

TextPageWidget::TextPageWidget(const Session& session, QWidget* parent)
    : QWidget(parent), session_(session), font_(pageFont()) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

QFont TextPageWidget::pageFont() { return serifFont(15); }

void TextPageWidget::setWelcomePicture(const QImage& picture) {
    welcomePicture_ = picture;
    update();
}

void TextPageWidget::hideWelcomePicture() {
    if (welcomePicture_.isNull()) return;
    welcomePicture_ = QImage();
    update();
}

void TextPageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!welcomePicture_.isNull()) {
        painter.drawImage(QPoint(kWelcomePictureX, kWelcomePictureY), welcomePicture_,
                          QRect(0, 0, kWelcomePictureWidth, kWelcomePictureHeight));
    }
    painter.setFont(font_);
    PainterSurface surface(painter, event->rect());
    const TextOffset offset{session_.textScroll.vertical.position,
                            session_.textScroll.horizontal.position};
    paintTextPage(session_.project, session_.graphicsMode, session_.textLayout, offset, surface);
}

}  // namespace rolvanta
