#include "form/radio_group.h"

#include "form/form.h"

namespace form {

void checkRadio(Control& radio) {
    for (Control* sibling : radio.form().childrenOf(radio.parent())) {
        if (sibling != &radio && sibling->kind() == Kind::RadioButton) {
            sibling->setChecked(false);
        }
    }
    radio.setChecked(true);
}

} // namespace form
