#include "form/tform1.h"
#include "platform/qt/binder.h"
#include "qt_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <gtest/gtest.h>

using namespace qt_test;

namespace {

class BoundLooks : public testing::Test {
protected:
    form::Tform1 form;
    platform::qt::Binder binder{form};
};

TEST_F(BoundLooks, TheSchemeListIsPickedFromNotTypedIn) {
    auto& combo = widgetOf<QComboBox>(binder, form.ComboBox2);
    EXPECT_FALSE(combo.isEditable());
    EXPECT_EQ(combo.count(), 9);
    EXPECT_EQ(combo.currentText(), "Water");
    int picked = -1;
    form.ComboBox2.onChange = [&] { picked = form.ComboBox2.itemIndex(); };
    emit combo.activated(0);
    EXPECT_EQ(picked, 0);
    EXPECT_EQ(form.ComboBox2.text(), "Standard");
}

TEST_F(BoundLooks, ASwatchIsDrawnInItsPenColour) {
    form.Shape55.setPenColor(form::rgb(255, 0, 0));
    form.Shape55.setGeometry({0, 0, 60, 60});
    binder.sync();
    QWidget& swatch = *binder.widgetOf(form.Shape55);
    const QImage image = swatch.grab().toImage();
    EXPECT_EQ(image.pixelColor(30, 4), QColor(255, 0, 0)) << "the outline";
    EXPECT_EQ(image.pixelColor(30, 30), QColor(0, 0, 0)) << "filled black";
    EXPECT_NE(image.pixelColor(1, 1), QColor(255, 0, 0)) << "a circle leaves the corners";
}

TEST_F(BoundLooks, TheDefaultBackgroundIsTheBoldItem) {
    EXPECT_TRUE(binder.actionOf(form.silber2)->font().bold());
    EXPECT_FALSE(binder.actionOf(form.blau1)->font().bold());
    form.rot2.setEnabled(false);
    binder.sync();
    EXPECT_FALSE(binder.actionOf(form.rot2)->isEnabled());
}

} // namespace
