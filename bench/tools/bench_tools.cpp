// Inserting from the tool window into a label of the real main window, as
// the user does it, each with the repaint that shows it: a typed text with Enter, a picture chosen
// in the file list and inserted, a data field chosen from a category's field list and from an own
// table's. A label full of its kind is emptied between rounds, outside the timing. Then editing
// a text of a full label.
#include "app/MDI.h"
#include "catalogue/mdlDruck.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/elements.h"
#include "tools/frmTools.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

using namespace sorvo;

namespace {

struct Umgebung {
    Umgebung() {
        ProgrammZuruecksetzen();
        mdi.MDIForm_Load();
        mdi.show();
        NeuesSchild();
        SchilderAnzeigen();
        n = P().lngAktivesSchild;
        f = &Schild(n);
        t = mdi.werkzeuge();
        QApplication::processEvents();
    }
    ~Umgebung() {
        ProgrammZuruecksetzen();
        nachbarn() = Nachbarn{};
    }
    // Empties the label when it holds as many of a kind as it may.
    void leeren(int32_t art) {
        if (art == ArtText && f->TextZaehlen() == P().lngMaxTexte)
            for (int32_t i = 1; i <= f->hoechsterText(); ++i)
                f->TextLoeschen(i);
        if (art == ArtBild && f->BilderZaehlen() == P().lngMaxBilder)
            for (int32_t i = 1; i <= f->hoechstesBild(); ++i)
                f->BildLoeschen(i);
        if (art == ArtDatenfeld && f->DatenfeldZaehlen() == P().lngMaxDatenfelder)
            for (int32_t i = 1; i <= f->hoechstesDatenfeld(); ++i)
                f->DatenfeldLoeschen(i);
    }
    MDI mdi;
    int32_t n = 0;
    frmLabel* f = nullptr;
    frmTools* t = nullptr;
};

void doppelklick(QListWidget* l, const QString& text) {
    const auto treffer = l->findItems(text, Qt::MatchExactly);
    l->setCurrentItem(treffer.first());
    emit l->itemDoubleClicked(treffer.first());
}

} // namespace

static void BM_TextEinfuegen(benchmark::State& state) {
    Umgebung u;
    int runde = 0;
    for (auto _ : state) {
        u.t->cmdEinfuegenText->click();
        u.t->txtTextEinfuegen->setText(QStringLiteral("Rosa 'Gloria Dei' %1").arg(++runde));
        emit u.t->txtTextEinfuegen->returnPressed();
        QApplication::processEvents();
        state.PauseTiming();
        u.leeren(ArtText);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TextEinfuegen)->Unit(benchmark::kMillisecond);

// A photograph of 1600 x 1200 pixels. Choosing it in the file list loads it
// and shows the preview; the insert button then puts it on the label.
namespace {
QString foto(const QTemporaryDir& dir) {
    QImage bild(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            bild.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    const QString pfad = dir.filePath(QStringLiteral("rose.jpg"));
    bild.save(pfad, "JPG", 90);
    return pfad;
}
} // namespace

static void BM_BildWaehlen(benchmark::State& state) {
    Umgebung u;
    QTemporaryDir dir;
    foto(dir);
    u.t->cmdEinfuegenBild->click();
    u.t->filBildPfadSetzen(dir.path());
    for (auto _ : state) {
        u.t->filBild->item(0)->setSelected(true);
        QApplication::processEvents();
        state.PauseTiming();
        u.t->filBild->clearSelection();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BildWaehlen)->Unit(benchmark::kMillisecond);

static void BM_BildEinfuegen(benchmark::State& state) {
    Umgebung u;
    QTemporaryDir dir;
    foto(dir);
    u.t->filBildPfadSetzen(dir.path());
    for (auto _ : state) {
        state.PauseTiming();
        u.leeren(ArtBild);
        u.t->cmdEinfuegenBild->click();
        u.t->filBild->clearSelection();
        u.t->filBild->item(0)->setSelected(true);
        state.ResumeTiming();
        u.t->cmdBild_E->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BildEinfuegen)->Unit(benchmark::kMillisecond);

namespace {
// The binding of a category database as far as the tool window sees it.
struct Bindung : DatenbankAuswahl {
    QStringList anzeige, spalten;
    void DbTabellenAnzeigen() override { nachbarn().werkzeuge->feldListenSetzen(anzeige, spalten); }
    void DbTabellenAnzeigenEigeneDb() override { DbTabellenAnzeigen(); }
};

void datenfelder(benchmark::State& state, const QString& art, const QStringList& anzeige,
                 const QStringList& spalten, const QString& name) {
    Umgebung u;
    auto b = std::make_shared<Bindung>();
    b->BotrelDateiArt = art;
    b->anzeige = anzeige;
    b->spalten = spalten;
    S(u.n).frmSchildDb = b;
    S(u.n).blnDbGeladen = true;
    S(u.n).blnPflanzenDb = art != QStringLiteral("eig");
    for (auto _ : state) {
        u.t->cmdEinfuegenDatenFeld->click();
        doppelklick(u.t->lstFeldnamen, name);
        QApplication::processEvents();
        state.PauseTiming();
        u.leeren(ArtDatenfeld);
        state.ResumeTiming();
    }
}
} // namespace

// The panel's opening rebinds the label's database and refills the lists;
// the last display name of the perennials is looked up.
static void BM_DatenfeldEinfuegenKategorie(benchmark::State& state) {
    const QStringList& anzeige = varDfAnzeigeNamen(Kategorie::Stauden);
    datenfelder(state, QStringLiteral("vxs"), anzeige, varDfSpaltenNamen(Kategorie::Stauden),
                anzeige.last());
}
BENCHMARK(BM_DatenfeldEinfuegenKategorie)->Unit(benchmark::kMillisecond);

static void BM_DatenfeldEinfuegenEigeneTabelle(benchmark::State& state) {
    QStringList spalten;
    for (int i = 0; i < 60; ++i)
        spalten << QStringLiteral("Spalte %1").arg(i);
    datenfelder(state, QStringLiteral("eig"), spalten, {}, spalten.last());
}
BENCHMARK(BM_DatenfeldEinfuegenEigeneTabelle)->Unit(benchmark::kMillisecond);

// Editing on a full label of 70 texts: a double-click opens a text in the
// tool window, and a typed position applied by Enter moves it, which fits it
// and pulls every element of the label back inside.
namespace {
void voll(Umgebung& u) {
    for (int i = 1; i <= P().lngMaxTexte; ++i) {
        if (!u.f->TextNeu())
            break;
        Beschriftung& t = u.f->lblText(S(u.n).lngAktuellerText);
        t.setCaption(QStringLiteral("Rosa 'Gloria Dei' Nr. %1").arg(i));
        t.setLeft(i % 50);
        t.setTop(i % 40);
        t.setVisible(true);
    }
    QApplication::processEvents();
}

void enter(QLineEdit* box) {
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(box, &druck);
}
} // namespace

static void BM_TextZumBearbeitenOeffnen(benchmark::State& state) {
    Umgebung u;
    voll(u);
    for (auto _ : state) {
        u.f->lblText_DblClick(35);
        QApplication::processEvents();
        state.PauseTiming();
        u.t->cmdCancel_T->click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TextZumBearbeitenOeffnen)->Unit(benchmark::kMillisecond);

static void BM_GetippteLageAnwenden(benchmark::State& state) {
    Umgebung u;
    voll(u);
    u.f->lblText_DblClick(35);
    int x = 0;
    for (auto _ : state) {
        u.t->txtX[1]->setText(QString::number(10 + (++x % 40)));
        enter(u.t->txtX[1]);
        QApplication::processEvents();
    }
    u.t->cmdCancel_T->click();
}
BENCHMARK(BM_GetippteLageAnwenden)->Unit(benchmark::kMillisecond);

static void BM_SchriftgroesseWaehlen(benchmark::State& state) {
    Umgebung u;
    voll(u);
    u.f->lblText_DblClick(35);
    int i = 0;
    for (auto _ : state) {
        const int eintrag = ++i % u.t->cboGroesse->count();
        u.t->cboGroesse->setCurrentIndex(eintrag);
        emit u.t->cboGroesse->activated(eintrag);
        QApplication::processEvents();
    }
    u.t->cmdCancel_T->click();
}
BENCHMARK(BM_SchriftgroesseWaehlen)->Unit(benchmark::kMillisecond);
