#include "users/bereinigen.h"

#include "users/record_table.h"

#include <algorithm>
#include <type_traits>

namespace users {

namespace {

template <class T, class Initial> void repairOne(T& value, const Nearest& range, const Initial&) {
    if (value < range.low) {
        value = static_cast<T>(range.low);
    } else if (value > range.high) {
        value = static_cast<T>(range.high);
    }
}

// Written so that a float that is not a number fails the test too.
template <class T, class Initial>
void repairOne(T& value, const ElseInitial& range, const Initial& initial) {
    if (!(range.low <= value && value <= range.high)) {
        value = static_cast<T>(initial);
    }
}

template <class T, std::size_t N, class Initial>
void repairOne(T& value, const OneOfElseInitial<N>& allowed, const Initial& initial) {
    if (std::find(allowed.values.begin(), allowed.values.end(), value) == allowed.values.end()) {
        value = static_cast<T>(initial);
    }
}

// An array's rule holds for each of its used slots.
template <class T, class Rule, class Initial>
void repair(T& value, const Rule& rule, const Initial& initial) {
    if constexpr (StoredArray<T>::value) {
        std::for_each(value.begin() + 1, value.end(),
                      [&](auto& slot) { repair(slot, rule, initial); });
    } else {
        repairOne(value, rule, initial);
    }
}

} // namespace

void bereinigen(Benutzerdaten& daten) {
    forEachField([&](const auto& row) {
        if constexpr (!std::is_same_v<std::remove_cvref_t<decltype(row.repair)>, NoRepair>) {
            repair(daten.*row.value, row.repair, row.initial);
        }
    });
}

} // namespace users
