#include "platform/help_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace rolvanta {
namespace {
const QUrl kContents(QStringLiteral("qrc:/help/index.html"));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("ROLVANTA Help"));
    // Within the smallest screen a desktop has (1280 x 1024), frame and
    // taskbar included, and within this one.
    QSize size(760, 640);
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    }
    resize(size);

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    auto* contents = new QPushButton(tr("Help &Topics"), this);
    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { browser_->setSource(kContents); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Esc closes the help, as it closes a dialog; the browser passes it on.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::showContents() {
    browser_->setSource(kContents);
    show();
    raise();
    activateWindow();
}

}  // namespace rolvanta
