#pragma once
// One label window of 100 x 60 mm without a main window, and a tool window
// that records what the label windows ask of it.
#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/elements.h"

#include <gtest/gtest.h>
#include <vector>

namespace sorvo::test {

struct AufzeichnendeWerkzeuge : Werkzeugfenster {
    int textBreiteGeleert = 0;
    int datenfeldBreiteGeleert = 0;
    bool sichtbar = true;
    QString titel;
    void setCaption(const QString& c) override { titel = c; }
    QString Caption() const override { return titel; }
    void setHeight(int) override {}
    int Height() const override { return 0; }
    void setVisible(bool v) override { sichtbar = v; }
    bool Visible() const override { return sichtbar; }
    void SetFocus() override {}
    void NeuePosition() override {}
    void einfuegenKnoepfeAktivieren(bool) override {}
    bool einfuegenKnoepfeAktiv() const override { return true; }
    void maxBreiteLeeren(bool datenfeld) override {
        ++(datenfeld ? datenfeldBreiteGeleert : textBreiteGeleert);
    }
};

// A new text of the current window, of fixed size (not self-sizing), shown.
inline Beschriftung& festerText(frmLabel& f, double links, double oben, double breite,
                                double hoehe) {
    EXPECT_TRUE(f.TextNeu());
    Beschriftung& t = f.lblText(S(P().lngAktivesSchild).lngAktuellerText);
    t.setCaption(QStringLiteral("Rose"));
    t.setAutoSize(false);
    t.setLeft(links);
    t.setTop(oben);
    t.setWidth(breite);
    t.setHeight(hoehe);
    t.setVisible(true);
    return t;
}

// A new text of window n (made current) in Arial 12, black on a transparent
// background, fitted as the label window fits it, and shown.
inline Beschriftung& textAnlegen(int32_t n, const QString& caption, double links, double oben,
                                 int32_t maxBreite = 0, int32_t* index = nullptr) {
    P().lngAktivesSchild = n;
    frmLabel& f = Schild(n);
    EXPECT_TRUE(f.TextNeu());
    const int32_t i = S(n).lngAktuellerText;
    Beschriftung& t = f.lblText(i);
    t.setFontName(QStringLiteral("Arial"));
    t.setFontSize(12);
    t.setForeColor(0);
    t.setBackStyle(0);
    t.setLeft(links);
    t.setTop(oben);
    t.setCaption(caption);
    f.TextMaxBreiteSchreiben(i, maxBreite);
    TextAnpassen(i, n);
    t.setVisible(true);
    if (index)
        *index = i;
    return t;
}

class SchildTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgrammZuruecksetzen();
        nachbarn().werkzeuge = &m_werkzeuge;
        NeuesSchild();
        m_f = &Schild(1);
        m_f->innenGroesseSetzen(100, 60);
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        nachbarn() = Nachbarn{};
    }

    // The stacking list of window n.
    static std::vector<int32_t> liste(int32_t n = 1) {
        const auto& e = S(n);
        return {e.lngReihenfolge.begin() + 1,
                e.lngReihenfolge.begin() + 1 + e.lngReihenfolgeAnzahl};
    }
    static void listeSetzen(std::vector<int32_t> codes, int32_t n = 1) {
        auto& e = S(n);
        std::fill(e.lngReihenfolge.begin(), e.lngReihenfolge.end(), 0);
        for (size_t i = 0; i < codes.size(); ++i)
            e.lngReihenfolge[i + 1] = codes[i];
        e.lngReihenfolgeAnzahl = static_cast<int32_t>(codes.size());
    }
    Beschriftung& text(double links, double breite, double oben = 5, double hoehe = 5) {
        return festerText(*m_f, links, oben, breite, hoehe);
    }

    AufzeichnendeWerkzeuge m_werkzeuge;
    frmLabel* m_f = nullptr;
};

} // namespace sorvo::test
