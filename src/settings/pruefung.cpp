#include "settings/pruefung.h"

#include <string>

void ScrollBar3Change(Context& c) {
    c.f.Edit6.setText(std::to_string(c.f.ScrollBar3.position()) + " min");
}
