#include "platform/dialog_builder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QValidator>
#include <cmath>

#include "platform/fonts.h"
#include "platform/qt_text.h"

namespace rolvanta {

namespace {

// Dialog units to pixels, rounded, halves away from zero.
int scaled(int dialogUnits, double pixelsPerUnit) {
    return static_cast<int>(std::lround(dialogUnits * pixelsPerUnit));
}

// An edit without automatic scrolling holds only what it can show: typing
// that would run past its right edge is refused.
class FitsWidthValidator : public QValidator {
  public:
    explicit FitsWidthValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int&) const override {
        const int frame = edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit_);
        const QMargins margins = edit_->textMargins();
        // Two pixels on each side are the line edit's own inner margin.
        const int room = edit_->width() - 2 * frame - margins.left() - margins.right() - 4;
        return edit_->fontMetrics().horizontalAdvance(input) <= room ? Acceptable : Invalid;
    }

  private:
    QLineEdit* edit_;
};

// A list box shows whole rows only: it is made shorter to the last row that
// fits, so that a partly drawn entry never suggests there is no more below.
void fitWholeRows(QListWidget* list) {
    // The row height is the delegate's, known only once there is a row.
    list->ensurePolished();
    list->addItem(QStringLiteral("X"));
    const int row = std::max(1, list->sizeHintForRow(0));
    list->clear();
    const int frame = 2 * list->frameWidth();
    const int rows = std::max(1, (list->height() - frame) / row);
    list->resize(list->width(), rows * row + frame);
}

// A frame around related controls, its caption set into the top line. The
// controls inside are placed from the frame's own top edge, so the line runs
// through the caption's middle rather than below it.
class CaptionedFrame : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        // An etched line: a shadow with a highlight one pixel below and right.
        const QRect line = rect().adjusted(0, metrics.height() / 2, -2, -2);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(line);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(line.translated(1, 1));
        if (title().isEmpty()) return;
        const int indent = metrics.averageCharWidth();
        const QRect caption(indent, 0, metrics.horizontalAdvance(title()), metrics.height());
        painter.fillRect(caption.adjusted(-2, 0, 2, 0), palette().window());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
    }
};

// The program's mark when no window icon has been set: an I-beam section in
// steel blue.
QIcon paintedBeamIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath beam;
    beam.addRect(4, 3, 24, 6);   // top flange
    beam.addRect(13, 9, 6, 14);  // web
    beam.addRect(4, 23, 24, 6);  // bottom flange
    beam.setFillRule(Qt::WindingFill);
    painter.fillPath(beam.simplified(), QColor(70, 100, 140));
    painter.setPen(QPen(QColor(30, 45, 70), 1.0));
    painter.drawPath(beam.simplified());
    return QIcon(pixmap);
}

}  // namespace

QFont dialogFont(const DialogTemplate& dialog) {
    // The template's face is a Windows bitmap font; its metric twin here is
    // a sans-serif outline face of about the same average width, the same on
    // every machine.
    return sansFont(dialog.fontPointSize);
}

DialogBaseUnits dialogBaseUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    // The average width over the 52 letters. It is not rounded to whole
    // pixels: a face wider than the template's own then still gives its
    // texts the room they had.
    const double letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {letters / 52.0, metrics.height()};
}

QRect dialogUnitsToPixels(const DialogRect& rect, DialogBaseUnits units) {
    const double across = units.width / 4.0;
    const double down = units.height / 8.0;
    return QRect(scaled(rect.x, across), scaled(rect.y, down), scaled(rect.width, across),
                 scaled(rect.height, down));
}

QIcon templateIcon(const char* name) {
    if (QString::fromLatin1(name) == QLatin1String(kProgramIcon)) {
        const QIcon program = QApplication::windowIcon();
        return program.isNull() ? paintedBeamIcon() : program;
    }
    return QIcon();
}

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      template_(dialog) {
    setWindowTitle(fromWindows1252(dialog.caption));
    setFont(dialogFont(dialog));
    units_ = dialogBaseUnits(font());
    const QRect frame = dialogUnitsToPixels(dialog.rect, units_);
    setFixedSize(frame.size());

    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : dialog) {
        QWidget* widget = createControl(control);
        widget->setGeometry(dialogUnitsToPixels(control.rect, units_));
        if (auto* list = qobject_cast<QListWidget*>(widget)) fitWholeRows(list);
        controls_.append(widget);
        if (control.id != kNoControlId && !items_.contains(control.id)) {
            items_.insert(control.id, widget);
        }
        if (control.style & kTabStop) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previousTabStop) {
                setTabOrder(previousTabStop, widget);
            } else {
                widget->setFocus();  // the first tab stop has the focus on opening
            }
            previousTabStop = widget;
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
    // Texts and frames lie under the controls one works with, frames lowest,
    // whatever their place in the template; clicks go through them.
    for (int pass = 0; pass < 2; ++pass) {
        const ControlKind lowered = pass == 0 ? ControlKind::Static : ControlKind::GroupBox;
        for (int i = 0; i < controls_.size(); ++i) {
            if (dialog.controls[i].kind == lowered) controls_[i]->lower();
        }
    }
    placeNearOwner(owner);
}

QWidget* TemplateDialog::createControl(const ControlTemplate& control) {
    const QString text = fromWindows1252(control.text);
    const int id = control.id;
    switch (control.kind) {
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(true);
            button->setDefault((control.style & kDefaultButton) != 0);
            connect(button, &QPushButton::clicked, this,
                    [this, id] { emit commandIssued(id, Notification::Clicked); });
            return button;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(text, this);
            edit->setFrame((control.style & kBorder) != 0);
            if (!(control.style & kAutoScroll)) edit->setValidator(new FitsWidthValidator(edit));
            return edit;
        }
        case ControlKind::Static: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(((control.style & kCentred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                                Qt::AlignTop);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            return label;
        }
        case ControlKind::GroupBox: {
            auto* frame = new CaptionedFrame(text, this);
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            return frame;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(this);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setFrameShape((control.style & kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
            list->setVerticalScrollBarPolicy(
                (control.style & kVerticalScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            if (control.style & kNotify) {
                connect(list, &QListWidget::itemDoubleClicked, this,
                        [this, id] { emit commandIssued(id, Notification::DoubleClicked); });
                connect(list, &QListWidget::itemSelectionChanged, this,
                        [this, id] { emit commandIssued(id, Notification::SelectionChanged); });
            }
            return list;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(text, this);
            connect(box, &QCheckBox::clicked, this,
                    [this, id] { emit commandIssued(id, Notification::Clicked); });
            return box;
        }
        case ControlKind::Table: {
            // Typing into a cell replaces its text, as in a spreadsheet;
            // F2 or a double-click edits it.
            auto* table = new QTableWidget(this);
            table->setSelectionMode(QAbstractItemView::SingleSelection);
            table->setSelectionBehavior(QAbstractItemView::SelectItems);
            table->setEditTriggers(QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
            table->setTabKeyNavigation(false);  // Tab leaves the table, as in every dialog
            // Rows of a line of text each: as many passes in sight as fit.
            table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
            table->setFrameShape((control.style & kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
            return table;
        }
        case ControlKind::DropDown:
            return new QComboBox(this);
        case ControlKind::Icon: {
            auto* icon = new QLabel(this);
            const QRect rect = dialogUnitsToPixels(control.rect, units_);
            const int side = std::min(rect.width(), rect.height());
            icon->setPixmap(templateIcon(control.text).pixmap(side, side));
            icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            icon->setAttribute(Qt::WA_TransparentForMouseEvents);
            return icon;
        }
    }
    return new QWidget(this);
}

void TemplateDialog::placeNearOwner(QWidget* owner) {
    const QRect offset = dialogUnitsToPixels(template_.rect, units_);
    QPoint topLeft = offset.topLeft();
    if (owner) topLeft += owner->mapToGlobal(QPoint(0, 0));
    // Keep the whole dialog on the screen it opens on.
    const QScreen* screen = owner ? owner->screen() : QApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        topLeft.setX(
            std::max(available.left(), std::min(topLeft.x(), available.right() + 1 - width())));
        topLeft.setY(
            std::max(available.top(), std::min(topLeft.y(), available.bottom() + 1 - height())));
    }
    move(topLeft);
}

void TemplateDialog::reject() { emit commandIssued(kDialogCancelCommand, Notification::Clicked); }

}  // namespace rolvanta
