#include "platform/qt/about_box.h"

#include "platform/qt/convert.h"
#include "platform/qt/make_child.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QUrl>
#include <QVBoxLayout>

namespace platform::qt {
namespace {

constexpr int kBildgroesse = 96;

// The picture: drawn from its file, and a click on it opens the page.
class PictureLabel : public QLabel {
public:
    PictureLabel(const AboutInfo& info, QWidget* parent) : QLabel(parent), page_(info.page) {
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::PointingHandCursor);
        QSvgRenderer renderer(QString::fromStdString(info.picture.string()));
        if (!renderer.isValid()) {
            return;
        }
        QPixmap pixmap(kBildgroesse * 2, kBildgroesse * 2);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        setPixmap(pixmap.scaled(kBildgroesse, kBildgroesse, Qt::KeepAspectRatio,
                                Qt::SmoothTransformation));
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page_.string())));
    }

private:
    std::filesystem::path page_;
};

} // namespace

void QtAboutBox::show(const AboutInfo& info) {
    beforeShow_();
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Info"));
    auto* layout = makeChild<QVBoxLayout>(&dialog);
    layout->addWidget(makeChild<PictureLabel>(&dialog, info));
    auto* product = makeChild<QLabel>(&dialog, toQString(info.product));
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.6);
    product->setFont(bold);
    product->setAlignment(Qt::AlignCenter);
    layout->addWidget(product);
    auto* version = makeChild<QLabel>(&dialog, toQString(info.version));
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);
    auto* buttons = makeChild<QDialogButtonBox>(&dialog, QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace platform::qt
