#include "platform/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

#include "app/export_commands.h"
#include "app/key_input.h"
#include "app/main_commands.h"
#include "app/project_commands.h"
#include "app/start_up.h"
#include "platform/artwork.h"
#include "platform/dialog_registration.h"
#include "platform/export_shell_qt.h"
#include "platform/help_window.h"
#include "platform/mill_loads_widget.h"
#include "platform/pass_view_factory.h"
#include "platform/pass_view_widget.h"
#include "platform/qt_text.h"
#include "platform/schedule_table_widget.h"
#include "platform/text_page_widget.h"
#include "resources/command_ids.h"
#include "resources/main_menu.h"
#include "resources/main_toolbar.h"

namespace rolvanta {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QStringList nameFilters() {
    QStringList filters;
    for (const FileFilter& type : fileTypeFilter()) filters << QString::fromUtf8(type.description);
    return filters;
}

FileDialogChoice choiceOf(const QFileDialog& dialog) {
    FileDialogChoice choice;
    const QStringList files = dialog.selectedFiles();
    const qsizetype filter = nameFilters().indexOf(dialog.selectedNameFilter());
    if (files.isEmpty() || filter < 0) return choice;
    choice.accepted = true;
    choice.path = files.first().toStdString();
    choice.title = QFileInfo(files.first()).fileName().toStdString();
    choice.fileType = fileTypeFilter()[static_cast<std::size_t>(filter)].type;
    return choice;
}

}  // namespace

FontMeasures defaultFontMeasures() {
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    FontMeasures measures;
    measures.height = metrics.height();
    measures.externalLeading = std::max(0, metrics.leading());
    measures.averageCharWidth = metrics.averageCharWidth();
    measures.variablePitch = !QFontInfo(font).fixedPitch();
    return measures;
}

int virtualKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Down:
            return kKeyDown;
        default:
            break;
    }
    // Letters and digits have the same numbers as their capitals.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey;
    }
    return 0;
}

MainWindow::MainWindow(Session& session, const QString& welcomePicturePath, QWidget* parent)
    : QMainWindow(parent), session_(session) {
    exports_ = std::make_unique<QtExportShell>(this, [this] { return pages_->currentWidget(); });
    setWindowIcon(QPixmap::fromImage(drawProgramIcon()));
    // The toolbar comes and goes with the display mode only.
    setContextMenuPolicy(Qt::NoContextMenu);
    buildMenu();
    buildToolbar();
    setCentralWidget(buildClientArea());
    buildShortcuts();
    setFocusPolicy(Qt::StrongFocus);
    registerDialogs(dialogs_, session_, shell_);

    const QSize screen = this->screen() ? this->screen()->availableSize() : QSize(1024, 768);
    const int pageFontHeight = QFontMetrics(TextPageWidget::pageFont()).height();
    startUp(session_, shell_,
            {defaultFontMeasures(), pageFontHeight, {0, 0, screen.width(), screen.height()}});
    textPage_->fitScrollBars();
    textPage_->setWelcomePicture(QImage(welcomePicturePath));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu() {
    std::function<void(QMenu*, const std::vector<MenuEntry>&)> fill =
        [&](QMenu* menu, const std::vector<MenuEntry>& entries) {
            for (const MenuEntry& entry : entries) {
                switch (entry.kind) {
                    case MenuEntryKind::Separator:
                        menu->addSeparator();
                        break;
                    case MenuEntryKind::Popup:
                        fill(menu->addMenu(fromWindows1252(entry.text)), entry.entries);
                        break;
                    case MenuEntryKind::Item: {
                        QAction* action = menu->addAction(fromWindows1252(entry.text));
                        const int command = entry.command;
                        action->setData(command);
                        connect(action, &QAction::triggered, this,
                                [this, command] { runCommand(command); });
                        break;
                    }
                }
            }
        };
    for (const MenuEntry& popup : mainMenu()) {
        fill(menuBar()->addMenu(fromWindows1252(popup.text)), popup.entries);
    }
}

void MainWindow::buildToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("mainToolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(kToolbarTileWidth, kToolbarTileHeight));
    toolbar_->toggleViewAction()->setVisible(false);
    for (const ToolbarEntry& entry : mainToolbar()) {
        if (entry.separator) {
            toolbar_->addSeparator();
            continue;
        }
        const QString tip = fromWindows1252(entry.tooltip);
        QAction* action = toolbar_->addAction(QIcon(drawToolbarTile(entry.tile)), tip);
        action->setToolTip(tip);
        const int command = entry.command;
        action->setData(command);
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    }
    for (QWidget* button : toolbar_->findChildren<QWidget*>()) button->setFocusPolicy(Qt::NoFocus);
}

void MainWindow::buildShortcuts() {
    const struct {
        QKeySequence keys;
        int command;
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), kMenuNewProject},
        {QKeySequence(Qt::CTRL | Qt::Key_O), kMenuOpenProject},
        {QKeySequence(Qt::CTRL | Qt::Key_S), kMenuSaveProject},
        {QKeySequence(Qt::CTRL | Qt::Key_X), kMenuExit},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), kMenuExit},  // as on every desktop
        {QKeySequence(Qt::CTRL | Qt::Key_T), kMenuScheduleTable},
        {QKeySequence(Qt::CTRL | Qt::Key_L), kMenuMillLoads},
        {QKeySequence(Qt::CTRL | Qt::Key_P), kMenuPrint},
    };
    // Shortcuts of their own rather than on the menu actions: the menu
    // texts already name them.
    for (const auto& shortcut : shortcuts) {
        const int command = shortcut.command;
        connect(new QShortcut(shortcut.keys, this), &QShortcut::activated, this,
                [this, command] { runCommand(command); });
    }
    // F1 is the help request: the help opens, nothing is repainted.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { openHelp(); });
    // Ctrl+C copies the table shown wherever the focus is in the window.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, [this] {
        if (session_.displayMode == DisplayMode::ScheduleTable) scheduleTable_->copy();
        if (session_.displayMode == DisplayMode::MillLoads) millLoads_->copy();
    });
}

QWidget* MainWindow::buildClientArea() {
    auto* client = new QWidget(this);
    pages_ = new QStackedWidget(client);
    verticalBar_ = new QScrollBar(Qt::Vertical, client);
    horizontalBar_ = new QScrollBar(Qt::Horizontal, client);
    textPage_ = new TextPageWidget(session_, verticalBar_, horizontalBar_, pages_);
    pages_->addWidget(textPage_);
    scheduleTable_ = new ScheduleTableWidget(session_.project, pages_);
    pages_->addWidget(scheduleTable_);
    millLoads_ = new MillLoadsWidget(session_.project, pages_);
    pages_->addWidget(millLoads_);

    auto* layout = new QGridLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pages_, 0, 0);
    layout->addWidget(verticalBar_, 0, 1);
    layout->addWidget(horizontalBar_, 1, 0);
    return client;
}

void MainWindow::runCommand(int command) {
    if (isExportCommand(command)) {
        runExportCommand(session_, shell_, *exports_, command);
        return;
    }
    ::rolvanta::runCommand(session_, shell_, command);
}

MessageAnswer MainWindow::showMessage(const MessageRequest& request) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (request.icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Warning:
            icon = QMessageBox::Warning;
            break;
        case MessageIcon::Error:
            icon = QMessageBox::Critical;
            break;
        case MessageIcon::Question:
            icon = QMessageBox::Question;
            break;
    }
    const QMessageBox::StandardButtons buttons =
        request.buttons == MessageButtons::YesNoCancel
            ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
            : QMessageBox::StandardButtons(QMessageBox::Ok);
    QWidget* owner = request.owner == MessageOwner::Dialog && QApplication::activeModalWidget()
                         ? QApplication::activeModalWidget()
                         : this;
    QMessageBox box(icon, fromUtf8(request.caption), fromUtf8(request.text), buttons, owner);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return request.buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
                                                                  : MessageAnswer::Ok;
    }
}

FileDialogChoice MainWindow::showOpenDialog() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Only the kinds Open reads; a report is written, never read.
    QStringList readable;
    for (const FileFilter& type : fileTypeFilter()) {
        if (type.type != FileType::Report) readable << QString::fromUtf8(type.description);
    }
    dialog.setNameFilters(readable);
    if (dialog.exec() != QDialog::Accepted) return {};
    return choiceOf(dialog);
}

FileDialogChoice MainWindow::showSaveDialog(bool projectOnly) {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(projectOnly ? nameFilters().mid(0, 1) : nameFilters());
    // The extension is appended after the dialog closes, so the question
    // about replacing a file is asked of the name that will be written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted) return {};
    FileDialogChoice choice = choiceOf(dialog);
    const QString written = fromUtf8(pathWithExtension(choice.path, saveKindOf(choice.fileType)));
    if (choice.accepted && QFileInfo::exists(written)) {
        const auto answer = QMessageBox::warning(
            this, tr("Confirm Save As"),
            tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(written).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) return {};
    }
    return choice;
}

void MainWindow::repaintClientArea() {
    textPage_->hideWelcomePicture();
    if (pages_->currentWidget() == scheduleTable_) scheduleTable_->refresh();
    if (pages_->currentWidget() == millLoads_) millLoads_->refresh();
    textPage_->fitScrollBars();
    pages_->currentWidget()->update();
}

void MainWindow::repaintRect(const PixelRect& rect) {
    textPage_->hideWelcomePicture();
    // The tables have no part to paint: they follow the project whole.
    if (pages_->currentWidget() == scheduleTable_) scheduleTable_->refresh();
    if (pages_->currentWidget() == millLoads_) millLoads_->refresh();
    textPage_->fitScrollBars();
    pages_->currentWidget()->update(QRect(rect.x, rect.y, rect.width, rect.height));
}

void MainWindow::setScrollBarsEnabled(bool enabled) {
    verticalBar_->setEnabled(enabled);
    horizontalBar_->setEnabled(enabled);
}

void MainWindow::setToolbarShown(bool shown) { toolbar_->setVisible(shown); }

void MainWindow::showDisplayMode(DisplayMode mode) {
    if (mode == DisplayMode::PassView && passView_ == nullptr) {
        // Made when first wanted: OpenGL in a window makes Qt compose the
        // whole window through it and loads the driver, which would
        // double the start-up of a program that may never draw a pass.
        passView_ = createPassView(session_, pages_);
        pages_->addWidget(passView_);
        pages_->setCurrentWidget(passView_);
        // Showing it turns the window into an OpenGL one, which Qt does by
        // making a new native window: take the keyboard focus back to it.
        if (isVisible()) {
            activateWindow();
            setFocus();
        }
    }
    // The table has scroll bars of its own; the text pages' bars stay
    // (disabled) under the pass view, as they always have.
    const bool table = mode == DisplayMode::ScheduleTable || mode == DisplayMode::MillLoads;
    verticalBar_->setVisible(!table);
    horizontalBar_->setVisible(!table);
    if (mode == DisplayMode::ScheduleTable) {
        scheduleTable_->refresh();
        pages_->setCurrentWidget(scheduleTable_);
        scheduleTable_->setFocus();
        return;
    }
    if (mode == DisplayMode::MillLoads) {
        millLoads_->refresh();
        pages_->setCurrentWidget(millLoads_);
        millLoads_->setFocus();
        return;
    }
    pages_->setCurrentWidget(mode == DisplayMode::PassView ? passView_
                                                           : static_cast<QWidget*>(textPage_));
    textPage_->fitScrollBars();
    pages_->currentWidget()->update();
    // The window takes the keys again (the pass view's arrows).
    if (isVisible()) setFocus();
}

QString MainWindow::note() const { return noteLabel_ ? noteLabel_->text() : QString(); }

void MainWindow::showNote(const std::string& text) {
    // The status bar comes with the first note, so that a window that
    // never had one keeps its whole height for the pages. The note is a
    // label of its own: a temporary message would go with the first status
    // tip of a menu.
    if (noteLabel_ == nullptr) {
        if (text.empty()) return;
        noteLabel_ = new QLabel(this);
        noteLabel_->setObjectName(QStringLiteral("note"));
        statusBar()->addWidget(noteLabel_, 1);
        statusBar()->show();
    }
    noteLabel_->setText(fromUtf8(text));
}

void MainWindow::openHelp() {
    if (helpWindow_ == nullptr) helpWindow_ = new HelpWindow(this);
    helpWindow_->showContents();
}

void MainWindow::quit(int exitCode) {
    quitting_ = true;
    if (helpWindow_ != nullptr) helpWindow_->close();
    QCoreApplication::exit(exitCode);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // In text mode the arrows scroll the page; in graphics mode they step
    // through the passes.
    if (session_.displayMode == DisplayMode::TextPages && textPage_->scrollByKey(event->key()))
        return;
    // The zoom keys of the pass view, while it is shown.
    ViewZoomKey zoom{};
    if (session_.displayMode == DisplayMode::PassView && zoomKeyOf(event->key(), zoom)) {
        if (auto* view = dynamic_cast<PassViewWidget*>(passView_)) view->zoomByKey(zoom);
    }
    keyDown(session_, shell_, virtualKeyOf(event->key()), event->isAutoRepeat());
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    keyUp(session_, shell_, virtualKeyOf(event->key()), event->isAutoRepeat());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!quitting_ && !confirmClose(session_, shell_)) {
        event->ignore();
        return;
    }
    event->accept();
    quit(0);
}

}  // namespace rolvanta
