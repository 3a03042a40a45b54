#include "platform/qt/modal_forms.h"

#include "platform/qt/binder.h"
#include "platform/qt/desktop_services.h"
#include "platform/qt/key_grace.h"
#include "platform/qt/main_window.h"

#include <QEventLoop>

namespace platform::qt {

void QtModalForms::showModal(form::Form& window, std::function<void()> closed) {
    beforeShow_();
    QEventLoop loop;
    {
        Binder binder(window);
        auto& shown = static_cast<MainWindow&>(binder.window());
        shown.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        shown.setWindowModality(Qt::ApplicationModal);
        shown.closed = [&loop] { loop.quit(); };
        if (window.onShow) {
            window.onShow();
        }
        binder.sync();
        centreOnScreen(shown);
        shown.show();
        // It opens while the learner types: the next keys must not press OK.
        const KeyGrace grace(shown);
        loop.exec();
        window.onCloseRequest = nullptr;
    }
    if (closed) {
        closed();
    }
}

} // namespace platform::qt
