#pragma once

#include "form/control.h"
#include "platform/services.h"
#include "state/sitzungszustand.h"
#include "users/benutzersatz.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// What one row of the user record's table says about its field: where it
// sits, where the program keeps it while the learner is signed in, what a
// new learner starts with and how a damaged stored value is repaired. The
// codec, the session transfer, the clean-up and the driver each read the
// columns they need, so a field is described in one place.
namespace users {

// What the record keeps of controls rather than of the session.
struct Steuerwerte {
    form::Colour buchstabenfeldfarbe = 0; // Panel1's colour
    int farbschema = 0;                   // ComboBox2's selected index
    int testdauer = 0;                    // ScrollBar3's position
};

// Where the value lives while the learner is signed in.
template <class Member> struct InSession { Member Sitzungszustand::*member; };
// nutzungen: the session counts the running session as well.
struct CountedInSession {
    std::uint16_t Sitzungszustand::*member;
};
// One half of each of fingerBuchstaben's (keystrokes, faults) pairs.
struct InFingerBuchstaben {
    std::int16_t FingerZaehler::*half;
};
// A part of today's date, taken when the record is written.
struct Today {
    int platform::Date::*part;
};
// A control's value, which the caller reads and shows.
template <class Member> struct InControl { Member Steuerwerte::*member; };

template <class Member> constexpr InSession<Member> inSession(Member Sitzungszustand::*member) {
    return {member};
}
template <class Member> constexpr InControl<Member> inControl(Member Steuerwerte::*member) {
    return {member};
}

// A session member that holds the whole field, under the row's name.
template <class Location>
concept HeldWholeInSession = requires(const Location& location, const Sitzungszustand& s) {
    s.*location.member;
};

// A new learner's value where it is not a constant.
struct EnteredName {};   // the name signed in with
struct TodaysDate {};    // the row's part of today
struct ScreenWidthOver { // trunc(screen width / divisor), at most 255
    double divisor;
};

// How decode's value is repaired at loading.
struct NoRepair {};
struct Nearest { // clamped to [low, high]
    double low, high;
};
struct ElseInitial { // outside [low, high] (or not a number): a new learner's value
    double low, high;
};
template <std::size_t N> struct OneOfElseInitial { std::array<int, N> values; };
struct RgbElseInitial {}; // a colour with a byte above blue: a new learner's value
// A font size of 0: a new learner's value; outside trunc(screen width /
// smaller) .. trunc(screen width / larger), the sizes the font dialog offers
// on this screen: the nearest of them. Left alone where the screen is not known.
struct ScreenWidthBetween {
    double smaller, larger;
};
struct InstalledFont {}; // a font that is not installed: the one drawn instead
template <class... Values> constexpr auto oneOf(Values... values) {
    return OneOfElseInitial<sizeof...(Values)>{{values...}};
}

template <class Value, class Location, class Initial, class Repair> struct Field {
    std::string_view name; // the session's name for it where the session holds it
    std::size_t offset;
    std::size_t width;
    Value Benutzerdaten::*value;
    Location location;
    Initial initial;
    Repair repair;
};

// Bytes no field owns; a write keeps what the buffer held.
struct Reserved {
    std::string_view name;
    std::size_t offset;
    std::size_t width;
};

template <class Value, class Location, class Initial, class Repair = NoRepair>
constexpr Field<Value, Location, Initial, Repair>
field(std::string_view name, std::size_t offset, std::size_t width, Value Benutzerdaten::*value,
      Location location, Initial initial, Repair repair = {}) {
    return {name, offset, width, value, location, initial, repair};
}

constexpr Reserved reserved(std::size_t offset, std::size_t width) {
    return {"reserved", offset, width};
}

template <class T> struct StoredArray : std::false_type {};
template <class T, std::size_t N> struct StoredArray<std::array<T, N>> : std::true_type {
    using Element = T;
    static constexpr std::size_t slots = N - 1;
};

// The bytes a value takes; arrays store their used slots 1..N-1 in order.
// A string's width is its row's: a length byte and the characters.
template <class T> constexpr std::size_t storedWidth() {
    if constexpr (StoredArray<T>::value) {
        return StoredArray<T>::slots * storedWidth<typename StoredArray<T>::Element>();
    } else if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, std::uint8_t>) {
        return 1;
    } else if constexpr (std::is_same_v<T, std::uint16_t>) {
        return 2;
    } else {
        static_assert(std::is_same_v<T, std::uint32_t> || std::is_same_v<T, float>,
                      "the record stores no such type");
        return 4;
    }
}

template <class Value, class Location, class Initial, class Repair>
constexpr bool widthFitsType(const Field<Value, Location, Initial, Repair>& row) {
    if constexpr (std::is_same_v<Value, std::string>) {
        return row.width >= 1 && row.width <= 256; // the length byte holds 0..255
    } else {
        return row.width == storedWidth<Value>();
    }
}

constexpr bool widthFitsType(const Reserved&) {
    return true;
}

} // namespace users
