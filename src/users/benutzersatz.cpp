#include "users/benutzersatz.h"

#include "users/record_table.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace users {

namespace {

void read(const Satz& s, std::size_t at, std::uint8_t& v) {
    v = s[at];
}
void read(const Satz& s, std::size_t at, bool& v) {
    v = s[at] != 0;
}
void read(const Satz& s, std::size_t at, std::uint16_t& v) {
    v = static_cast<std::uint16_t>(s[at] | (s[at + 1] << 8));
}
void read(const Satz& s, std::size_t at, std::uint32_t& v) {
    v = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        v |= static_cast<std::uint32_t>(s[at + k]) << (8 * k);
    }
}
void read(const Satz& s, std::size_t at, float& v) {
    std::uint32_t bits = 0;
    read(s, at, bits);
    v = std::bit_cast<float>(bits);
}
template <class T, std::size_t N> void read(const Satz& s, std::size_t at, std::array<T, N>& v) {
    for (std::size_t slot = 1; slot < N; ++slot) {
        read(s, at + (slot - 1) * storedWidth<T>(), v[slot]);
    }
}

void write(Satz& s, std::size_t at, std::uint8_t v) {
    s[at] = v;
}
void write(Satz& s, std::size_t at, bool v) {
    s[at] = v ? 1 : 0;
}
void write(Satz& s, std::size_t at, std::uint16_t v) {
    s[at] = static_cast<std::uint8_t>(v);
    s[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void write(Satz& s, std::size_t at, std::uint32_t v) {
    for (std::size_t k = 0; k < 4; ++k) {
        s[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
    }
}
void write(Satz& s, std::size_t at, float v) {
    write(s, at, std::bit_cast<std::uint32_t>(v));
}
template <class T, std::size_t N> void write(Satz& s, std::size_t at, const std::array<T, N>& v) {
    for (std::size_t slot = 1; slot < N; ++slot) {
        write(s, at + (slot - 1) * storedWidth<T>(), v[slot]);
    }
}

std::string_view textIn(std::span<const std::uint8_t, kSatzGroesse> s, std::size_t at,
                        std::size_t width) {
    const std::size_t laenge = std::min<std::size_t>(s[at], width - 1);
    return {reinterpret_cast<const char*>(s.data() + at + 1), laenge};
}

void putText(Satz& s, std::size_t at, std::size_t width, std::string_view v) {
    const std::size_t laenge = std::min(v.size(), width - 1);
    s[at] = static_cast<std::uint8_t>(laenge);
    std::copy_n(v.begin(), laenge, s.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

// An array starts with the value in every used slot.
template <class T, class V> void fillUsedSlots(T& value, V initial) {
    if constexpr (StoredArray<T>::value) {
        std::for_each(value.begin() + 1, value.end(),
                      [&](auto& slot) { fillUsedSlots(slot, initial); });
    } else {
        value = static_cast<T>(initial);
    }
}

std::uint8_t schriftgroesse(std::int32_t breite, double teiler) {
    return static_cast<std::uint8_t>(std::clamp(std::trunc(breite / teiler), 0.0, 255.0));
}

template <class Row>
void setInitial(const Row& row, Benutzerdaten& d, std::string_view name,
                const platform::Date& heute, std::int32_t bildschirmbreite) {
    auto& value = d.*row.value;
    using Initial = decltype(row.initial);
    if constexpr (std::is_same_v<Initial, EnteredName>) {
        value = std::string(name.substr(0, row.width - 1));
    } else if constexpr (std::is_same_v<Initial, TodaysDate>) {
        value = static_cast<std::remove_cvref_t<decltype(value)>>(heute.*row.location.part);
    } else if constexpr (std::is_same_v<Initial, ScreenWidthOver>) {
        value = schriftgroesse(bildschirmbreite, row.initial.divisor);
    } else {
        fillUsedSlots(value, row.initial);
    }
}

// The fields the user list shows.
template <class Row> bool listed(const Row& row) {
    using B = Benutzerdaten;
    using Member = std::remove_cvref_t<decltype(row.value)>;
    if constexpr (std::is_same_v<Member, std::string B::*>) {
        return row.value == &B::name;
    } else if constexpr (std::is_same_v<Member, std::uint8_t B::*>) {
        return row.value == &B::lektion || row.value == &B::lektionsteil ||
               row.value == &B::wochentag || row.value == &B::tag || row.value == &B::monat;
    } else if constexpr (std::is_same_v<Member, std::uint16_t B::*>) {
        return row.value == &B::nutzungen || row.value == &B::jahr;
    } else {
        return false;
    }
}

template <class Row> void readInto(const Satz& s, const Row& row, Benutzerdaten& d) {
    auto& value = d.*row.value;
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, std::string>) {
        value = textIn(s, row.offset, row.width);
    } else {
        read(s, row.offset, value);
    }
}

} // namespace

Benutzerdaten listenfelder(const Satz& s) {
    Benutzerdaten d;
    forEachField([&](const auto& row) {
        if (listed(row)) {
            readInto(s, row, d);
        }
    });
    return d;
}

Benutzerdaten decode(const Satz& s) {
    Benutzerdaten d;
    forEachField([&](const auto& row) { readInto(s, row, d); });
    return d;
}

void encode(const Benutzerdaten& d, Satz& s) {
    forEachField([&](const auto& row) {
        const auto& value = d.*row.value;
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, std::string>) {
            putText(s, row.offset, row.width, value);
        } else {
            write(s, row.offset, value);
        }
    });
}

std::string_view benutzernameIn(std::span<const std::uint8_t, kSatzGroesse> satz) {
    return textIn(satz, kNameRow.offset, kNameRow.width);
}

Benutzerdaten neuerBenutzer(std::string_view name, const platform::Date& heute,
                            std::int32_t bildschirmbreite) {
    Benutzerdaten d;
    forEachField([&](const auto& row) { setInitial(row, d, name, heute, bildschirmbreite); });
    return d;
}

} // namespace users
