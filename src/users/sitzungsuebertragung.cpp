#include "users/sitzungsuebertragung.h"

#include "users/record_table.h"

#include <type_traits>

namespace users {

namespace {

// Numbers change width as the table says (wunschanschlaege is 32-bit in the
// session); strings and arrays are the same type on both sides.
template <class To, class From> void assign(To& to, const From& from) {
    if constexpr (std::is_arithmetic_v<To>) {
        to = static_cast<To>(from);
    } else {
        to = from;
    }
}

template <class Value, class Member>
void toSession(const Value& value, const InSession<Member>& where, Sitzungszustand& s) {
    assign(s.*where.member, value);
}

void toSession(std::uint16_t value, const CountedInSession& where, Sitzungszustand& s) {
    s.*where.member = static_cast<std::uint16_t>(value + 1);
}

template <class Value>
void toSession(const Value& values, const InFingerBuchstaben& where, Sitzungszustand& s) {
    for (std::size_t finger = 1; finger < values.size(); ++finger) {
        assign(s.fingerBuchstaben[finger].*where.half, values[finger]);
    }
}

// Today and the controls are the caller's to show.
template <class Value> void toSession(const Value&, const Today&, Sitzungszustand&) {}
template <class Value, class Member>
void toSession(const Value&, const InControl<Member>&, Sitzungszustand&) {}

struct Sources {
    const Sitzungszustand& s;
    const platform::Date& heute;
    const Steuerwerte& steuer;
};

template <class Value, class Member>
void fromSession(Value& value, const InSession<Member>& where, const Sources& from) {
    assign(value, from.s.*where.member);
}

void fromSession(std::uint16_t& value, const CountedInSession& where, const Sources& from) {
    value = from.s.*where.member;
}

template <class Value>
void fromSession(Value& values, const InFingerBuchstaben& where, const Sources& from) {
    for (std::size_t finger = 1; finger < values.size(); ++finger) {
        assign(values[finger], from.s.fingerBuchstaben[finger].*where.half);
    }
}

template <class Value> void fromSession(Value& value, const Today& where, const Sources& from) {
    assign(value, from.heute.*where.part);
}

template <class Value, class Member>
void fromSession(Value& value, const InControl<Member>& where, const Sources& from) {
    assign(value, from.steuer.*where.member);
}

} // namespace

void inSitzung(const Benutzerdaten& d, Sitzungszustand& s) {
    forEachField([&](const auto& row) { toSession(d.*row.value, row.location, s); });
}

Benutzerdaten ausSitzung(const Sitzungszustand& s, const platform::Date& heute,
                         const Steuerwerte& steuer) {
    const Sources sources{s, heute, steuer};
    Benutzerdaten d;
    forEachField([&](const auto& row) { fromSession(d.*row.value, row.location, sources); });
    return d;
}

} // namespace users
