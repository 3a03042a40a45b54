#include "app/navigation.h"

void Extras(Context& c) {
    auto& f = c.f;
    const auto h = c.s.bildschirmhoehe;
    f.memo1verg.setEnabled(true);
    f.memo1verk.setEnabled(false);
    if (f.GroupBox10.visible()) {
        f.Memo1.show();
    }
    for (form::Control* box :
         {&f.GroupBox19, &f.GroupBox22, &f.GroupBox15, &f.GroupBox5, &f.GroupBox7, &f.GroupBox10}) {
        box->hide();
    }
    f.GroupBox16.show();
    f.GroupBox16.bringToFront();
    f.Memo1.setTop(static_cast<int>(h / 1.54));
    f.Memo1.setHeight(static_cast<int>(h / 4.2));
}
