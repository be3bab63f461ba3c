#!/usr/bin/env python3
"""Writes catalogue/tabellen_daten.cpp from the Markdown text that lists the
field vocabulary, the descriptions of the pot-plant fields and the value
tables.

    python3 catalogue/gen/tabellen_erzeugen.py TABELLEN.md > catalogue/tabellen_daten.cpp

Every count the text states (positions of a list, entries of a table) is
checked against what was read; a gap in the numbering or a wrong count stops
the script, so the generated file never holds a list that disagrees with its
source.
"""
import re
import sys

KATEGORIEN = ["Topfpflanzen", "Stauden", "Gehoelze", "Apfel", "Obst", "Friedhof"]


def fehler(text):
    sys.exit("tabellen_erzeugen: " + text)


def cpp_text(s):
    # UTF-8 text as a C++ literal; only backslash and quote need escaping.
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def abschnitt(zeilen, kopf):
    """The lines after the heading that starts with kopf, up to the next
    heading of the same or a higher level."""
    for i, z in enumerate(zeilen):
        if z.startswith(kopf):
            ebene = len(z) - len(z.lstrip("#"))
            ende = len(zeilen)
            for j in range(i + 1, len(zeilen)):
                s = zeilen[j]
                if s.startswith("#") and len(s) - len(s.lstrip("#")) <= ebene:
                    ende = j
                    break
            return zeilen[i + 1 : ende]
    fehler("heading not found: " + kopf)


TABELLENZEILE = re.compile(r'^\| (\d+) \| "([^"]*)" \| "([^"]*)" \|$')
EINTRAG = re.compile(r'(\d+): (empty|"([^"]*)")')
WERT = re.compile(r'(\d+) (empty|"([^"]*)")')


def fortlaufend(nummern, was):
    if nummern != list(range(len(nummern))):
        fehler(was + ": positions are not 0, 1, 2, ...")


def feldliste(teil, kat):
    paare = []
    nummern = []
    for z in teil:
        m = TABELLENZEILE.match(z)
        if m:
            nummern.append(int(m.group(1)))
            paare.append((m.group(2), m.group(3)))
    fortlaufend(nummern, kat + " field list")
    m = None
    for z in teil:
        m = re.match(r"Field list: .* (\d+) positions\.", z)
        if m:
            break
    if not m or int(m.group(1)) != len(paare):
        fehler(kat + ": field list count differs")
    return paare


def spaltenliste(teil, kat):
    for i, z in enumerate(teil):
        m = re.match(r"Column list `varDfSpaltenNamen(\w+)`, (\d+) positions", z)
        if m:
            if m.group(1) != kat:
                fehler(kat + ": column list of " + m.group(1))
            zeile = next(s for s in teil[i + 1 :] if s.strip())
            eintraege = EINTRAG.findall(zeile)
            fortlaufend([int(e[0]) for e in eintraege], kat + " column list")
            if len(eintraege) != int(m.group(2)):
                fehler(kat + ": column list count differs")
            return ["" if e[1] == "empty" else e[2] for e in eintraege]
    fehler(kat + ": no column list")


def beschreibungen_vxt(zeilen):
    innen = False
    paare = []
    nummern = []
    for z in zeilen:
        if z.startswith('*Descriptions for "vxt"'):
            innen = True
            continue
        if innen and z.startswith("*Descriptions for"):
            break
        if innen:
            m = TABELLENZEILE.match(z)
            if m:
                nummern.append(int(m.group(1)))
                paare.append((m.group(2), m.group(3)))
    fortlaufend(nummern, "pot-plant descriptions")
    if len(paare) != 40:
        fehler("pot-plant descriptions: 40 expected")
    return paare


TABELLE = re.compile(
    r"^- `(\w+)` \((list of (\d+) entries|fixed table of entries 0 to (\d+)); ([^)]*)\)\. "
    r"Read for .*? Entries: (.*)$"
)


def wertetabellen(zeilen):
    tabellen = []
    for z in zeilen:
        m = TABELLE.match(z)
        if not m:
            if re.match(r"^- `\w+` \((list of|fixed table)", z):
                fehler("table line not understood: " + z[:60])
            continue
        name = m.group(1)
        werte = WERT.findall(m.group(6))
        fortlaufend([int(w[0]) for w in werte], name)
        texte = ["" if w[1] == "empty" else w[2] for w in werte]
        regeltext = m.group(5)
        if m.group(4) is not None:
            anzahl = int(m.group(4)) + 1
            regel = "Fest"
        else:
            anzahl = int(m.group(3))
            if "itself is the index" in regeltext:
                regel = "Code"
            elif "empty placeholder" in regeltext:
                regel = "P"
            elif "reads entry p-1" in regeltext:
                regel = "PMinus1"
            else:
                fehler(name + ": reading rule not understood")
        if len(texte) != anzahl:
            fehler("%s: %d entries stated, %d read" % (name, anzahl, len(texte)))
        if regel in ("P", "Code", "Fest") and texte[0] != "":
            fehler(name + ": entry 0 must be empty")
        tabellen.append((name, regel, texte))
    return tabellen


def main():
    if len(sys.argv) != 2:
        fehler("usage: tabellen_erzeugen.py TABELLEN.md")
    with open(sys.argv[1], encoding="utf-8") as f:
        zeilen = f.read().splitlines()
    aus = []
    w = aus.append
    w("// Generated by catalogue/gen/tabellen_erzeugen.py; do not edit by hand.")
    w('#include "catalogue/tabellen_daten.h"')
    w("")
    w("// One text a line, as written: clang-format would pack them.")
    w("// clang-format off")
    w("namespace sorvo::katalog_daten {")
    w("")
    w("namespace {")
    for kat in KATEGORIEN:
        teil = abschnitt(zeilen, "### " + kat + " ")
        paare = feldliste(teil, kat)
        spalten = spaltenliste(teil, kat)
        w("const char* const anzeige%s[] = {" % kat)
        for a, _ in paare:
            w("    %s," % cpp_text(a))
        w("};")
        w("const char* const kurz%s[] = {" % kat)
        for _, k in paare:
            w("    %s," % cpp_text(k))
        w("};")
        w("const char* const spalten%s[] = {" % kat)
        for s in spalten:
            w("    %s," % cpp_text(s))
        w("};")
    w("const char* const beschreibungTopfpflanzen[] = {")
    for _, b in beschreibungen_vxt(zeilen):
        w("    %s," % cpp_text(b))
    w("};")
    tabellen = wertetabellen(zeilen)
    for name, _, texte in tabellen:
        w("const char* const t_%s[] = {" % name)
        for t in texte:
            w("    %s," % cpp_text(t))
        w("};")
    w("} // namespace")
    w("")
    w("#define SORVO_LISTE(a) Liste{a, sizeof(a) / sizeof(a[0])}")
    w("const KategorieDaten kategorien[6] = {")
    for kat in KATEGORIEN:
        w("    {SORVO_LISTE(anzeige%s), SORVO_LISTE(kurz%s), SORVO_LISTE(spalten%s)}," % (kat, kat, kat))
    w("};")
    w("const Liste beschreibungenTopfpflanzen = SORVO_LISTE(beschreibungTopfpflanzen);")
    w("const TabellenDaten tabellen[] = {")
    for name, regel, _ in tabellen:
        w('    {"%s", Regel::%s, SORVO_LISTE(t_%s)},' % (name, regel, name))
    w("};")
    w("const int tabellenAnzahl = %d;" % len(tabellen))
    w("#undef SORVO_LISTE")
    w("")
    w("} // namespace sorvo::katalog_daten")
    w("// clang-format on")
    print("\n".join(aus))


main()
