#include "users/bereinigen.h"

#include "users/record_table.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace users {

namespace {

// Only the low three bytes of a colour hold red, green and blue.
constexpr form::Colour kRgb = 0xFFFFFF;
constexpr int kGroessteGespeicherte = 255;

template <class T, class Initial>
void repairOne(T& value, const Nearest& range, const Initial&, const Ladeumgebung&) {
    if (value < range.low) {
        value = static_cast<T>(range.low);
    } else if (value > range.high) {
        value = static_cast<T>(range.high);
    }
}

// Written so that a float that is not a number fails the test too.
template <class T, class Initial>
void repairOne(T& value, const ElseInitial& range, const Initial& initial, const Ladeumgebung&) {
    if (!(range.low <= value && value <= range.high)) {
        value = static_cast<T>(initial);
    }
}

template <class T, std::size_t N, class Initial>
void repairOne(T& value, const OneOfElseInitial<N>& allowed, const Initial& initial,
               const Ladeumgebung&) {
    if (std::find(allowed.values.begin(), allowed.values.end(), value) == allowed.values.end()) {
        value = static_cast<T>(initial);
    }
}

template <class T, class Initial>
void repairOne(T& value, const RgbElseInitial&, const Initial& initial, const Ladeumgebung&) {
    if ((value & ~kRgb) != 0) {
        value = static_cast<T>(initial);
    }
}

int groesse(std::int32_t breite, double teiler) {
    return std::min(kGroessteGespeicherte, static_cast<int>(std::trunc(breite / teiler)));
}

template <class T>
void repairOne(T& value, const ScreenWidthBetween& range, const ScreenWidthOver& initial,
               const Ladeumgebung& umgebung) {
    const auto breite = umgebung.bildschirmbreite;
    if (breite <= 0) {
        return;
    }
    const int kleinste = std::max(1, groesse(breite, range.smaller));
    const int groesste = std::max(kleinste, groesse(breite, range.larger));
    if (value == 0) {
        value = static_cast<T>(std::clamp(groesse(breite, initial.divisor), kleinste, groesste));
    } else {
        value = static_cast<T>(std::clamp(static_cast<int>(value), kleinste, groesste));
    }
}

template <class Initial>
void repairOne(std::string& value, const InstalledFont&, const Initial& initial,
               const Ladeumgebung& umgebung) {
    if (value.empty()) {
        value = initial;
    }
    if (!umgebung.schriftart) {
        return;
    }
    const std::string gezeichnet = umgebung.schriftart(value);
    if (!gezeichnet.empty()) {
        value = gezeichnet.substr(0, kFontNameMax);
    }
}

// An array's rule holds for each of its used slots.
template <class T, class Rule, class Initial>
void repair(T& value, const Rule& rule, const Initial& initial, const Ladeumgebung& umgebung) {
    if constexpr (StoredArray<T>::value) {
        std::for_each(value.begin() + 1, value.end(),
                      [&](auto& slot) { repair(slot, rule, initial, umgebung); });
    } else {
        repairOne(value, rule, initial, umgebung);
    }
}

} // namespace

void bereinigen(Benutzerdaten& daten, const Ladeumgebung& umgebung) {
    forEachField([&](const auto& row) {
        if constexpr (!std::is_same_v<std::remove_cvref_t<decltype(row.repair)>, NoRepair>) {
            repair(daten.*row.value, row.repair, row.initial, umgebung);
        }
    });
}

} // namespace users
