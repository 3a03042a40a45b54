#include <gtest/gtest.h>

#include "form/tform1.h"

TEST(WindowModel, FindsControlsByName) {
    form::Tform1 window;
    EXPECT_EQ(window.find("Label24"), &window.Label24);
    EXPECT_EQ(window.find("NoSuchControl"), nullptr);
}
