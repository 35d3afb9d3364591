#include "platform/text_page_widget.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <optional>

#include "display/text_page.h"
#include "display/text_scroll.h"
#include "platform/artwork.h"
#include "platform/fonts.h"
#include "platform/qt_text.h"

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
        painter_.drawText(x, y + ascent_, fromWindows1252(text));
    }

  private:
    QPainter& painter_;
    int ascent_;
    int height_;
    QRect dirty_;
};

// The scroll request a scroll bar action stands for.
ScrollRequest scrollRequestOf(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollRequest::LineUp;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollRequest::LineDown;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollRequest::PageUp;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollRequest::PageDown;
        case QAbstractSlider::SliderToMinimum:
            return ScrollRequest::Top;
        case QAbstractSlider::SliderToMaximum:
            return ScrollRequest::Bottom;
        case QAbstractSlider::SliderMove:
            return ScrollRequest::ThumbTrack;
        default:
            return ScrollRequest::ThumbReleased;
    }
}

std::optional<TextScrollKey> scrollKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Up:
            return TextScrollKey::Up;
        case Qt::Key_Down:
            return TextScrollKey::Down;
        case Qt::Key_Left:
            return TextScrollKey::Left;
        case Qt::Key_Right:
            return TextScrollKey::Right;
        case Qt::Key_PageUp:
            return TextScrollKey::PageUp;
        case Qt::Key_PageDown:
            return TextScrollKey::PageDown;
        case Qt::Key_Home:
            return TextScrollKey::Home;
        case Qt::Key_End:
            return TextScrollKey::End;
        default:
            return std::nullopt;
    }
}

void setBar(QScrollBar* bar, const ScrollBarState& state) {
    const QSignalBlocker quiet(bar);
    bar->setRange(state.minimum, state.maximum);
    bar->setPageStep(state.pageSize);
    bar->setValue(state.position);
}

}  // namespace

TextPageWidget::TextPageWidget(Session& session, QScrollBar* vertical, QScrollBar* horizontal,
                               QWidget* parent)
    : QWidget(parent),
      session_(session),
      vertical_(vertical),
      horizontal_(horizontal),
      font_(pageFont()) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    for (QScrollBar* bar : {vertical_, horizontal_}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(1);
    }
    connect(vertical_, &QScrollBar::actionTriggered, this, &TextPageWidget::scrollVertically);
    connect(horizontal_, &QScrollBar::actionTriggered, this, &TextPageWidget::scrollHorizontally);
    showScrollPositions();
}

void TextPageWidget::fitScrollBars() {
    // The pass view covers the page in graphics mode; the bars keep the
    // text page's ranges for when it comes back.
    if (session_.displayMode != DisplayMode::TextPages) return;
    const TextOffset before{session_.textScroll.vertical.position,
                            session_.textScroll.horizontal.position};
    updateScrollRanges(session_.textScroll, session_.textLayout,
                       textPageSize(session_.project, DisplayMode::TextPages, session_.textLayout),
                       {width(), height()});
    showScrollPositions();
    if (before.vertical != session_.textScroll.vertical.position ||
        before.horizontal != session_.textScroll.horizontal.position) {
        update();
    }
}

void TextPageWidget::showScrollPositions() {
    setBar(vertical_, session_.textScroll.vertical);
    setBar(horizontal_, session_.textScroll.horizontal);
}

bool TextPageWidget::scrollByKey(int qtKey) {
    const std::optional<TextScrollKey> key = scrollKeyOf(qtKey);
    if (!key) return false;
    if (!vertical_->isEnabled()) return true;  // nothing to scroll before a project starts
    const PixelShift moved = scrollTextByKey(session_.textScroll, session_.textLayout, *key);
    showScrollPositions();
    if (moved.x != 0 || moved.y != 0) scroll(moved.x, moved.y);
    return true;
}

void TextPageWidget::scrollVertically(int action) {
    const int moved = scrollTextVertically(session_.textScroll, session_.textLayout,
                                           scrollRequestOf(action), vertical_->sliderPosition());
    // Qt applies the action after this slot: give it the position decided.
    vertical_->setSliderPosition(session_.textScroll.vertical.position);
    if (moved != 0) scroll(0, moved);
}

void TextPageWidget::scrollHorizontally(int action) {
    const int moved =
        scrollTextHorizontally(session_.textScroll, session_.textLayout, scrollRequestOf(action),
                               horizontal_->sliderPosition());
    horizontal_->setSliderPosition(session_.textScroll.horizontal.position);
    if (moved != 0) scroll(moved, 0);
}

void TextPageWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitScrollBars();
}

// The wheel turns the bars: sideways, or with Shift, the horizontal one.
void TextPageWidget::wheelEvent(QWheelEvent* event) {
    const bool sideways =
        event->angleDelta().x() != 0 || (event->modifiers() & Qt::ShiftModifier) != Qt::NoModifier;
    QScrollBar* bar = sideways ? horizontal_ : vertical_;
    if (bar->isEnabled()) QCoreApplication::sendEvent(bar, event);
    event->accept();
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
    paintTextPage(session_.project, session_.displayMode, session_.textLayout, offset, surface);
}

}  // namespace rolvanta
