#include "platform/qt/help_window.h"

#include "platform/qt/make_child.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

namespace platform::qt {

HelpWindow::HelpWindow() : browser_(makeChild<QTextBrowser>(this)) {
    setWindowTitle(QStringLiteral("Clavora help"));
    browser_->setOpenExternalLinks(true);
    auto* layout = makeChild<QVBoxLayout>(this);
    layout->addWidget(browser_);
    auto buttons = std::make_unique<QHBoxLayout>();
    auto* inBrowser = makeChild<QPushButton>(this);
    inBrowser->setText(QStringLiteral("Open in browser"));
    auto* close = makeChild<QPushButton>(this);
    close->setText(QStringLiteral("Close"));
    buttons->addStretch();
    buttons->addWidget(inBrowser);
    buttons->addWidget(close);
    layout->addLayout(buttons.release()); // the window's layout owns it now
    connect(inBrowser, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page_.string())));
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(720, 560);
}

void HelpWindow::showPage(const std::filesystem::path& page) {
    page_ = page;
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
    show();
    raise();
    activateWindow();
}

} // namespace platform::qt
