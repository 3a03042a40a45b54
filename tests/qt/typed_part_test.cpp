#include "form/tform1.h"
#include "platform/qt/binder.h"

#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// Dark pixels of the line's text left of and right of x.
std::pair<int, int> darkText(QLineEdit& edit, int x) {
    const QImage image = edit.grab().toImage();
    int left = 0;
    int right = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int i = 0; i < image.width(); ++i) {
            if (qGray(image.pixel(i, y)) < 60) {
                (i < x ? left : right) += 1;
            }
        }
    }
    return {left, right};
}

TEST(TypedPart, TheTypedPartOfTheWordLineIsDrawnLighterThanWhatIsStillToType) {
    form::Tform1 form;
    form.GroupBox12.show();
    form.Edit2.setGeometry({0, 0, 600, 40});
    form.Edit2.setFont({"DejaVu Sans", 16, 0});
    form.Edit2.setText("mmmmmmmmmmmmmmmmmmmm");
    platform::qt::Binder binder(form);
    auto& edit = *static_cast<QLineEdit*>(binder.widgetOf(form.Edit2));
    const int middle = edit.fontMetrics().horizontalAdvance(QString(10, u'm')) + 4;

    const auto before = darkText(edit, middle);
    ASSERT_GT(before.first, 0);
    form.Edit2.setDoneLength(10);
    binder.sync();
    const auto done = darkText(edit, middle);
    EXPECT_LT(done.first, before.first / 4) << "the typed half still looks like the rest";
    EXPECT_GT(done.second, before.second / 2);

    form.Edit2.setText("mmmmmmmmmmmmmmmmmmmn"); // a new line keeps the typed part
    binder.sync();
    EXPECT_LT(darkText(edit, middle).first, before.first / 4);
    form.Edit2.setDoneLength(0);
    binder.sync();
    EXPECT_GT(darkText(edit, middle).first, before.first / 2);
}

} // namespace
