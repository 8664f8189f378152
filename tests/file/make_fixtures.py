#!/usr/bin/env python3
"""Writes the .vsz fixtures under tests/data from the file format alone.

Kept apart from the program on purpose: the C++ writer is compared byte for
byte with what this script produces, so a fault in the program's conversion
tables cannot hide behind the same fault here. Run it, read the output, and
commit the bytes:  python3 tests/file/make_fixtures.py tests/data
"""
import sys
from pathlib import Path

DAYS = ["Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"]

def on_off(i): return "Ein" if i == 0 else "Aus"
def up_down(i): return "Auf" if i == 0 else "Ab"
def up_down_off(i): return {0: "Auf", 1: "Ab"}.get(i, "Deaktiv")
def gr_kl(i): return "Gr" if i == 0 else "Kl"
def plus(n): return lambda i: str(i + n)

# (key, number of items, start-up index, index -> file text), in file order.
KINDS = [
    ("Beschattung", [("EinAus", 2, 1, on_off), ("Temperatur", 46, 32, plus(-10)), ("Von", 18, 5, plus(5)),
                     ("Bis", 18, 15, plus(5)), ("Helligkeit", 156, 144, plus(100)), ("Dauer", 190, 9, plus(1))]),
    ("DaemmerungMorgen", [("EinAus", 2, 1, on_off), ("Von", 8, 5, plus(3)), ("Helligkeit", 250, 109, plus(1)),
                          ("Dauer", 191, 39, plus(1))]),
    ("DaemmerungAbend", [("EinAus", 2, 1, on_off), ("Von", 10, 5, plus(14)), ("Helligkeit", 250, 109, plus(1)),
                         ("Dauer", 191, 39, plus(1))]),
    ("Wind", [("EinAus", 2, 1, on_off), ("Geschwindigkeit", 19, 5, lambda i: str((i + 1) * 5))]),
    ("Regen", [("EinAus", 2, 1, on_off), ("Richtung", 2, 0, up_down)]),
    ("Reversierung", [("EinAus", 2, 1, on_off), ("Bei_Auf", 41, 4, plus(0)), ("Bei_Ab", 41, 6, plus(0))]),
    ("ProportionaleTemperatursteuerung",
     [("EinAus", 2, 1, on_off), ("Von", 24, 10, plus(0)), ("Bis", 24, 22, plus(0)),
      ("SollTemperatur", 50, 22, plus(1)), ("Richtung", 2, 0, up_down), ("Regelbereich", 9, 2, plus(1)),
      ("MaxStellzeit", 190, 39, plus(1)), ("Schritte", 8, 4, plus(2))]),
    ("InnenTemperatursteuerung",
     [("EinAus", 2, 1, on_off), ("Gr_KL", 2, 0, gr_kl), ("Schwelle1", 60, 31, plus(-9)),
      ("Richtung", 2, 0, up_down), ("Schwelle2", 60, 29, plus(-9)), ("Dauer", 191, 39, plus(1)),
      ("Von", 24, 8, plus(0)), ("Bis", 24, 21, plus(0))]),
    ("HeizungsSteuerung",
     [("EinAus", 2, 1, on_off), ("TagNacht", 2, 0, lambda i: "Tag" if i == 0 else "Nacht"),
      ("Betriebsart", 2, 0, lambda i: "Heizen" if i == 0 else "Kuehlen"),
      ("TagTemperatur", 256, 170, plus(40)), ("NachtTemperatur", 256, 140, plus(40))]),
    ("FeuchtigkeitsSteuerung",
     [("EinAus", 2, 1, on_off), ("Gr_KL", 2, 0, gr_kl), ("Schwelle1", 99, 75, plus(1)),
      ("Schwelle2", 99, 65, plus(1)), ("Dauer", 191, 39, plus(1)), ("Von", 24, 8, plus(0)),
      ("Bis", 24, 21, plus(0))]),
    ("AussenTemperatursteuerung",
     [("EinAus", 2, 1, on_off), ("Schwelle1", 60, 11, plus(-9)), ("Richtung", 3, 1, up_down_off),
      ("Schwelle2", 60, 14, plus(-9)), ("Dauer", 191, 39, plus(1))]),
    ("TastAutomatik", [("EinAus", 2, 1, on_off), ("Dauer", 190, 39, plus(0))]),
]

PARAMETERS = [("Zufalls-Zeitspanne", 28, 2), ("Beschattungs-Hysterese", 8, 2), ("Offset_AT", 5, -5),
              ("Offset_IT", 5, -5), ("Aktives_Profil", 0, 1), ("Heizungs-Hysterese", 2, 1)]


def switching_seconds(i):
    if i < 100:
        return i + 1
    if i <= 129:
        return (i - 100) * 10 + 110
    return 44


def schedule_lines(richtung, uhrzeit, dauer, gruppe, funktion):
    hour = "--" if uhrzeit == 0 else str((uhrzeit - 1) // 60)
    minute = "--" if uhrzeit == 0 else str((uhrzeit - 1) % 60)
    return [f"Richtung={up_down(richtung)}", f"Stunde={hour}", f"Minute={minute}",
            f"Dauer={switching_seconds(dauer)}", f"Gruppe={gruppe}",
            "Funktion=" + ["Normal", "Astro", "Zufall"][funktion]]


def build(names, schedule, automatic, alarm, parameters, groups):
    """schedule(d, m, n) -> 5 indexes; automatic(k, p, m, j, size, default) -> index."""
    out = []
    def section(header, lines):
        out.append(header)
        out.extend(lines)
        out.append("")
    section("[Motor-Namen_]", [f"Motor{m + 1}={names[m]}" for m in range(8)])
    for d in range(7):
        for m in range(8):
            for n in range(8):
                section(f"[Schaltzeit_{DAYS[d]}_Motor{m + 1}_Nr{n + 1}]", schedule_lines(*schedule(d, m, n)))
    def kind_sections(k):
        stem, fields = KINDS[k]
        for p in range(2):
            for m in range(8):
                section(f"[{stem}_Motor{m + 1}_Profil{p + 1}]",
                        [f"{key}={text(automatic(k, p, m, j, size, default))}"
                         for j, (key, size, default, text) in enumerate(fields)])
    for k in range(len(KINDS) - 1):
        kind_sections(k)
    section("[AlarmPattern_]", [f"Motor{m + 1}={alarm[m]}" for m in range(8)])
    section("[Parameter_]", [f"{key}={parameters[j] + off}" for j, (key, _, off) in enumerate(PARAMETERS)])
    section("[Gruppen-Zentralsteuerung_]", [f"Gruppe_{g + 1}={groups[g]}" for g in range(4)])
    kind_sections(len(KINDS) - 1)
    return ("\r\n".join(out) + "\r\n").encode("cp1252")


def defaults():
    return build([f"Motor {m + 1}" for m in range(8)],
                 lambda d, m, n: (0, 0, 39, 1, 0),
                 lambda k, p, m, j, size, default: default,
                 [1] * 8, [default for _, default, _ in PARAMETERS], [0, 0, 0, 0])


# The varied image: every field walks through its items; the C++ test builds
# the same image from the same formulas.
VARIED_NAMES = ["Küche", "Wohn=Zimmer", " Bad, oben ", "Büro  ", "  Gäste", "Motor 6", "Straße=Süd,Ost", ""]


def varied():
    def schedule(d, m, n):
        i = d * 64 + m * 8 + n
        return (i % 2, (i * 37) % 1441, (i * 3) % 127, [1, 2, 5, 7][i % 4], i % 3)
    return build(VARIED_NAMES, schedule,
                 lambda k, p, m, j, size, default: (k * 5 + p * 8 + m + j * 7) % size,
                 [m % 3 for m in range(8)], [252, 0, 0, 10, 1, 8], [5, 0, 255, 128])


if __name__ == "__main__":
    target = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    (target / "defaults.vsz").write_bytes(defaults())
    (target / "varied.vsz").write_bytes(varied())
