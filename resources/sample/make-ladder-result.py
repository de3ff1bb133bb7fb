#!/usr/bin/env python3
# Writes SX1-ladder.FdL, the invented ladder result of the sample ski-cross
# race, as the timer hands it back: one 243-byte racer record per racer of
# the ladder, its bib, gender and first-round slot as the ladder gave them
# and the places it took in each round ridden (one digit a round). Kept so
# that the file can be made again; the sample plays the file it wrote.
import struct

# bib, name, first-round slot, places (quarter-final, semi-final, final round)
RACERS = [
    (14, "BERGER Nina", "4_01_1", "121"), (9, "BAKKER Fenna", "4_01_2", "3"),
    (15, "DUPONT Claire", "4_01_3", "242"), (13, "LINDGREN Maja", "4_01_4", "4"),
    (1, "KAUR Simran", "4_02_1", "233"), (6, "WALSH Erin", "4_02_2", "113"),
    (4, "NOVAK Petra", "4_02_3", "4"), (8, "HOFFMANN Lena", "4_02_4", "3"),
    (11, "SORENSEN Ida", "4_03_1", "112"), (5, "FISCHER Anja", "4_03_2", "3"),
    (12, "MURPHY Kate", "4_03_3", "244"), (16, "TANAKA Yui", "4_03_4", "4"),
    (3, "KOWALSKI Ola", "4_04_1", "224"), (2, "ROSSI Giulia", "4_04_2", "131"),
    (7, "OKAFOR Ada", "4_04_3", "3"), (10, "MORENO Lucia", "4_04_4", "4"),
]


def record(bib, name, slot, places):
    r = bytearray(b" " * 243)
    def put(offset, width, text):
        r[offset:offset + width] = text.encode("cp1252").ljust(width)[:width]
    def single(offset, value):
        r[offset:offset + 4] = struct.pack("<f", value)
    put(0, 40, name)
    put(59, 3, str(bib))
    for offset in (73, 77, 90, 94, 98, 102, 116):
        single(offset, 0.0)
    put(115, 1, "F")
    put(124, 8, slot)
    put(132, 8, places)
    put(140, 8, "~~~~~~~~")
    for offset in range(148, 176, 4):  # the discipline points: none
        single(offset, -1.0)
    for offset in (199, 203, 207):  # para factor, CSV total, position
        single(offset, 1.0 if offset == 199 else 0.0)
    single(237, 7.1)
    r[241:243] = b"\r\n"
    return bytes(r)


with open("SX1-ladder.FdL", "wb") as out:
    for racer in RACERS:
        out.write(record(*racer))
