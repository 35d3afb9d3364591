#pragma once

// Turns a dialog template into a modal Qt dialog. Dialog units are scaled
// from the dialog font's average character width and height the way the
// template's units are defined (x * width / 4, y * height / 8), so a dialog
// keeps its proportions at any font size and screen scale. Every press,
// double-click and selection change is reported as a command with the
// control's id; Esc and the close box report kDialogCancelCommand and leave
// closing to whoever handles the command.

#include <QDialog>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QRect>
#include <QVector>

#include "dialogs/dialog_host.h"
#include "resources/dialog_templates.h"

namespace rolvanta {

// The dialog font's average character width and height, in pixels.
struct DialogBaseUnits {
    double width;
    double height;
};

// The template's font, or the closest sans-serif face installed here in
// place of one that is not.
QFont dialogFont(const DialogTemplate& dialog);

DialogBaseUnits dialogBaseUnits(const QFont& font);

QRect dialogUnitsToPixels(const DialogRect& rect, DialogBaseUnits units);

// The icon an icon control names; the program's own icon for kProgramIcon.
QIcon templateIcon(const char* name);

class TemplateDialog : public QDialog {
    Q_OBJECT

  public:
    // Places the dialog at the template's position from the owner's top-left
    // corner, kept on the owner's screen.
    TemplateDialog(const DialogTemplate& dialog, QWidget* owner);

    const DialogTemplate& dialogTemplate() const { return template_; }
    DialogBaseUnits baseUnits() const { return units_; }

    // The first control with this id; nullptr when there is none.
    QWidget* item(int id) const { return items_.value(id, nullptr); }

    // Every control in template order.
    const QVector<QWidget*>& controls() const { return controls_; }

  signals:
    void commandIssued(int id, rolvanta::Notification notification);

  protected:
    void reject() override;

  private:
    QWidget* createControl(const ControlTemplate& control);
    void placeNearOwner(QWidget* owner);

    const DialogTemplate& template_;
    DialogBaseUnits units_;
    QHash<int, QWidget*> items_;
    QVector<QWidget*> controls_;
};

}  // namespace rolvanta
