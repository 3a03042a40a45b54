#!/usr/bin/env python3
"""Writes the user-record fixtures of the user file tests.

Every byte is placed at its offset by hand, independent of the program's
codec, so the tests compare the codec against the record table itself.
Run from this folder: python3 user_fixtures.py
"""
import math
import struct

SIZE = 560


def record(tail):
    # `tail` fills everything first: reserved bytes and string tails keep it
    # unless a field below overwrites them.
    return bytearray([tail] * SIZE)


def put(rec, offset, fmt, *values):
    struct.pack_into("<" + fmt, rec, offset, *values)


def put_text(rec, offset, text, length=None):
    put(rec, offset, "B", len(text) if length is None else length)
    rec[offset + 1:offset + 1 + len(text)] = text


def distinct():
    """Every field a value no other field has; reserved bytes 0xA7 .. 0xD9."""
    r = record(0xEE)
    put_text(r, 0, b"ANNA M\xdcLLER")
    put(r, 46, "B", 13)
    put(r, 47, "B", 0xA7)
    put(r, 48, "IIIII", 0x00112233, 0x00445566, 0x00778899, 0x00AABBCC, 0x00DDEEFF)
    put(r, 68, "HH", 0x1234, 0x0104)
    put(r, 72, "f", 2.75)
    put(r, 76, "BBBBBBBB", 1, 1, 5, 29, 2, 150, 23, 17)
    put(r, 84, "H", 2024)
    for row in range(9):
        for lesson in range(1, 17):
            put(r, 86 + 16 * row + lesson - 1, "B", (7 * row + 3 * (lesson - 1)) % 101)
    put(r, 86 + 16 * 8 + 15, "B", 101)
    for lesson in range(1, 17):
        put(r, 86 + 16 * 9 + lesson - 1, "B", lesson % 2)
        put(r, 86 + 16 * 10 + lesson - 1, "B", 1 if lesson <= 5 else 0)
    put_text(r, 262, b"Courier New")
    put_text(r, 343, b"Arial")
    put_text(r, 424, b"DejaVu Sans Mono")
    put(r, 505, "B", 0xB5)
    for finger in range(1, 10):
        put(r, 506 + 2 * (finger - 1), "H", 1000 + finger)
        put(r, 524 + 2 * (finger - 1), "H", 0x0A00 + finger)
    put(r, 542, "BB", 0xC1, 0xC2)
    put(r, 544, "I", 0x00A1B2C3)
    put(r, 548, "BBBBBBBBBB", 1, 50, 45, 2, 3, 2, 1, 0, 4, 27)
    put(r, 558, "BB", 0xD8, 0xD9)
    return r


def foreign():
    """A valid record another program wrote: odd reserved bytes, junk after
    the strings' ends."""
    r = bytearray((i * 37 + 11) % 256 for i in range(SIZE))
    put_text(r, 0, b"GAST")
    put(r, 46, "B", 4)
    put(r, 47, "B", 0xFF)
    put(r, 48, "IIIII", 0xE15300, 0xE1B400, 0xFFD070, 0xD9FFB8, 0xF6FF52)
    put(r, 68, "HH", 7, 120)
    put(r, 72, "f", 2.0)
    put(r, 76, "BBBBBBBB", 0, 0, 3, 14, 10, 120, 18, 14)
    put(r, 84, "H", 2019)
    r[86:86 + 9 * 16] = bytes([101] * 9 * 16)
    r[86 + 9 * 16:86 + 11 * 16] = bytes(32)
    put_text(r, 262, b"Verdana")
    put_text(r, 343, b"Verdana")
    put_text(r, 424, b"Verdana")
    put(r, 505, "B", 0x80)
    r[506:542] = bytes(36)
    put(r, 542, "BB", 0x7E, 0x7F)
    put(r, 544, "I", 0xC0C0C0)
    put(r, 548, "BBBBBBBBBB", 0, 25, 30, 0, 1, 0, 0, 1, 0, 5)
    put(r, 558, "BB", 0x01, 0x02)
    return r


def corrupt():
    """Every checked value out of range."""
    r = record(0x00)
    put_text(r, 0, b"X" * 45, length=200)
    put(r, 46, "B", 200)
    put(r, 68, "HH", 3, 5000)
    put(r, 72, "f", math.nan)
    put(r, 76, "BB", 7, 7)
    put(r, 81, "BBB", 100, 20, 15)
    for row in range(9):
        for lesson in range(1, 17):
            put(r, 86 + 16 * row + lesson - 1, "B", 250)
    for lesson in range(1, 17):
        put(r, 86 + 16 * 9 + lesson - 1, "B", 2)
        put(r, 86 + 16 * 10 + lesson - 1, "B", 0xFF)
    for offset in (262, 343, 424):
        put_text(r, offset, b"F" * 80, length=255)
    put(r, 548, "BBBBBBBBBB", 9, 30, 99, 9, 9, 4, 2, 3, 40, 0)
    return r


for name, rec in (("distinct", distinct()), ("foreign", foreign()), ("corrupt", corrupt())):
    assert len(rec) == SIZE
    with open(f"user_record_{name}.dat", "wb") as f:
        f.write(rec)
