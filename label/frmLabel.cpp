#include "label/frmLabel.h"

#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "label/zugang.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <cmath>

namespace sorvo {

frmLabel::frmLabel(QWidget* parent) : QMdiSubWindow(parent), m_flaeche(new ElementCanvas(this)) {
    // A closed label keeps its window object for the next label.
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_flaeche->setAutoFillBackground(true);
    QPalette pal = m_flaeche->palette();
    pal.setColor(QPalette::Window, Qt::white);
    m_flaeche->setPalette(pal);
    setWidget(m_flaeche);
    setFocusPolicy(Qt::StrongFocus);
    // The main window's area gives the close key to the active label: each
    // window's own shortcuts sit in one list that every new window, locked
    // or unlocked, searches.
    // The window menu is made when the user first reaches for it: a
    // transfer makes thousands of windows whose menu is never opened, and
    // its entries are a fifth of a window's memory. Move and Size stay, as
    // only Qt's own entries can start them; the area keeps them up to date.
    if (QMenu* m = systemMenu()) {
        const QString bewegen = QMdiSubWindow::tr("&Move");
        const QString groesse = QMdiSubWindow::tr("&Size");
        for (QAction* a : m->actions()) {
            QAction** ziel = a->text() == bewegen   ? &m_bewegen
                             : a->text() == groesse ? &m_groesse
                                                    : nullptr;
            if (!ziel)
                continue;
            a->setShortcuts({});
            a->setParent(this);
            *ziel = a;
        }
        setSystemMenu(nullptr); // with its other entries
    }
    connect(m_flaeche, &ElementCanvas::hintergrundGedrueckt, this,
            [this](Qt::MouseButton knopf, Qt::KeyboardModifiers, QPointF mm) {
                Form_MouseDown(knopf, mm.x(), mm.y());
            });
    connect(m_flaeche, &ElementCanvas::elementGedrueckt, this,
            [this](Steuerelement* e, Qt::MouseButton knopf, Qt::KeyboardModifiers umschalt,
                   QPointF pos) {
                const auto [art, index] = elementVon(e);
                if (art != 0)
                    ElementMausDown(art, index, knopf, umschalt, pos);
            });
    connect(m_flaeche, &ElementCanvas::elementDoppelklick, this,
            [this](Steuerelement* e, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPointF) {
                const auto [art, index] = elementVon(e);
                if (art != 0 && knopf == Qt::LeftButton)
                    elementDoppelklick(art, index);
            });
    connect(
        m_flaeche, &ElementCanvas::mausBewegt, this,
        [this](QPointF mm, QPointF, Qt::MouseButtons, Qt::KeyboardModifiers) { ziehenFolgen(mm); });
    connect(m_flaeche, &ElementCanvas::losgelassen, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF mm, QPointF global) {
                ziehenLoslassen(mm, global);
            });
    elementeAnlegen();
    schildZugangEinrichten();
}

frmLabel::~frmLabel() = default;

int32_t frmLabel::nummer() const {
    return m_tag.toInt();
}

int frmLabel::Width() const {
    return static_cast<int>(pixelZuTwips(width()));
}
int frmLabel::Height() const {
    return static_cast<int>(pixelZuTwips(height()));
}
int frmLabel::Left() const {
    return static_cast<int>(pixelZuTwips(x()));
}
int frmLabel::Top() const {
    return static_cast<int>(pixelZuTwips(y()));
}

void frmLabel::setWidth(int twips) {
    resize(std::max(1, RundenGerade(twipsZuPixel(twips))), height());
}

void frmLabel::setHeight(int twips) {
    resize(width(), std::max(1, RundenGerade(twipsZuPixel(twips))));
}

double frmLabel::pixelProMm() const {
    return logicalDpiX() / kMmProZoll;
}

double frmLabel::gemesseneBreite() const {
    return contentsRect().width() / pixelProMm();
}
double frmLabel::gemesseneHoehe() const {
    return contentsRect().height() / (logicalDpiY() / kMmProZoll);
}

void frmLabel::innenGroesseSetzen(double breite, double hoehe) {
    m_innenBreite = breite;
    m_innenHoehe = hoehe;
    m_flaeche->setEtikett(QSizeF(breite, hoehe));
}

double frmLabel::ScaleWidth() const {
    return m_innenBreite > 0 ? m_innenBreite : gemesseneBreite();
}
double frmLabel::ScaleHeight() const {
    return m_innenHoehe > 0 ? m_innenHoehe : gemesseneHoehe();
}

void frmLabel::setVisible(bool v) {
    QMdiSubWindow::setVisible(v);
}

namespace {
// The window whose focus handling ran last. The child-window area reports an
// activation only while the main window itself is active, so a window given
// the focus runs its handling itself when the report did not come.
QPointer<frmLabel> g_zuletztAktiviert;
} // namespace

void frmLabel::aktivierungVergessen() {
    if (g_zuletztAktiviert == this)
        g_zuletztAktiviert = nullptr;
}

void frmLabel::SetFocus() {
    if (!isVisible() || !isEnabled())
        return;
    if (auto* bereich = mdiArea())
        bereich->setActiveSubWindow(this);
    if (g_zuletztAktiviert != this)
        Form_Activate();
}

void frmLabel::Form_Activate() {
    if (!isVisible())
        return;
    g_zuletztAktiviert = this;
    auto& p = P();
    const int32_t n = nummer();
    if (n < 1 || n > p.hoechstesSchild())
        return;
    if (n != p.lngAktivesSchild)
        p.lngAktivesSchild = n;
    WerkzeugTitelSetzen();
    if (auto* w = nachbarn().werkzeuge) {
        w->setHeight(1850);
        if (p.blnWerkzeugFensterFolgt)
            w->NeuePosition();
        w->setVisible(true);
    }
    if (auto* m = nachbarn().mdi) {
        const auto& e = S(n);
        const bool geladen = e.blnDbGeladen;
        const bool frei = !geladen && !p.blnVorlageGeoeffnet;
        m->menuAktivSetzen(QStringLiteral("mnuDbLaden"), frei);
        m->menuAktivSetzen(QStringLiteral("mnuDbEigeneLaden"), frei);
        m->menuAktivSetzen(QStringLiteral("mnuDbEntladen"), geladen);
        m->menuAktivSetzen(QStringLiteral("mnuPreisedatenbank"), geladen);
        m->menuAktivSetzen(QStringLiteral("mnuDBWechseln"), geladen && e.blnPflanzenDb);
        m->menuAktivSetzen(QStringLiteral("mnuDbDatensaetzeWaehlen"),
                           geladen && PlatzhalterPruefen() == QStringLiteral("OK"));
    }
    if (auto* v = nachbarn().vorschau)
        if (v->geladen() && p.lngVorschauSchild != p.lngAktivesSchild)
            v->entladen();
}

void frmLabel::Form_MouseDown(Qt::MouseButton button, double, double) {
    auto& p = P();
    const int32_t n = nummer();
    p.lngAktivesSchild = n;
    if (button == Qt::LeftButton && p.blnWerkzeugFensterFolgt)
        if (auto* w = nachbarn().werkzeuge)
            w->NeuePosition();
    // The right button offers the records while the label still shows a
    // data field placeholder.
    if (button == Qt::RightButton && n >= 1 && n <= p.hoechstesSchild() && S(n).blnDbGeladen &&
        PlatzhalterPruefen() == QStringLiteral("OK"))
        if (auto* d = nachbarn().datensatzWahl)
            d->oeffnen();
}

bool frmLabel::QueryUnload(int modus) {
    auto& p = P();
    const int32_t n = nummer();
    if (n < 1 || n > p.hoechstesSchild() || S(n).blnSchildFrei)
        return false;

    auto& e = S(n);
    const bool fragen = e.blnGeaendert && p.blnAenderungSpeichern;
    // While the main window closes, nothing is drawn until the program has
    // ended. The main window has unlocked everything before the first
    // window closes; a window unlocks again only when something locked
    // since or when it asks, and it is brought to the front only when it
    // asks. Each unlock visits every open window, and each change of the
    // active window makes Qt's area visit them too: after a transfer of
    // thousands of labels, ending the program took minutes.
    const bool programmEndet = modus == HauptfensterSchliesst;
    if (!programmEndet || fragen || p.blnAllesGesperrt)
        AllesFreigeben();
    if (isVisible() && (fragen || !programmEndet))
        SetFocus();

    if (fragen) {
        const QString name = e.strVorlageDatei.isEmpty()
                                 ? QStringLiteral("Schild ") + QString::number(n)
                                 : DateinameAusPfad(e.strVorlageDatei);
        const Antwort a = dialoge().meldung(
            name + QStringLiteral(" wurde geänder!\rWollen Sie die Änderungen Speichern?"),
            Msg::YesNoCancel + Msg::Question, QStringLiteral("Änderungen Speichern?"));
        if (a == Antwort::Cancel)
            return true;
        if (a == Antwort::Yes) {
            // A save that was cancelled or failed keeps the window and its
            // changes, as Cancel would.
            p.lngAktivesSchild = n;
            auto* v = nachbarn().vorlagen;
            const bool gespeichert = v && (e.strVorlageDatei.isEmpty() ? v->VorlageSpeichernUnter()
                                                                       : v->VorlageSpeichern());
            if (!gespeichert)
                return true;
        } else {
            e.blnGeaendert = false;
        }
    }

    const bool abbrechen = modus == DurchBenutzer || modus == DurchProgramm;

    if (n != p.lngAktivesSchild)
        p.lngAktivesSchild = n;
    const QRect bedeckt = geometry();
    showNormal();
    hide();
    // What the window covered, maximised or not, is drawn again now; left
    // to itself the area could keep showing the window's frame and picture.
    if (QWidget* bereich = parentWidget())
        bereich->update(bedeckt | geometry());

    if (e.blnDbGeladen) {
        p.blnVorlageGeoeffnet = false;
        for (int32_t i = 1; i <= p.hoechstesSchild(); ++i) {
            if (p.Schilder[i].blnSchildFrei)
                continue;
            frmLabel& f = Schild(i);
            if (f.Caption().contains(QStringLiteral("erzeugt von")))
                f.setCaption(QStringLiteral("Schild ") + QString::number(i) + QLatin1Char('*'));
            if (auto* m = nachbarn().mdi)
                f.setIcon(m->fensterIcon(QStringLiteral("pen04")));
        }
        NavigationAus();
        if (auto* d = nachbarn().datensatzWahl)
            d->setESZaehler(0);
        p.lngVorlagenSchild = 0;
    }

    e.strVorlageDatei.clear();
    e.strDbPfad.clear();
    e.strPreisDateiName.clear();
    e.strPreisDbPfad.clear();
    e.strDbArt.clear();
    e.strPreisSpalte.clear();
    e.blnPflanzenDb = false;
    e.blnDbGeladen = false;
    e.blnPreisDbGeladen = false;

    if (auto* d = nachbarn().datensatzWahl)
        d->platzhalterBinden(p.strSorvoVerz);

    SchildFreigeben(n);

    elementeLeeren();
    for (int32_t i = 1;
         i <= e.lngReihenfolgeAnzahl && i < static_cast<int32_t>(e.lngReihenfolge.size()); ++i)
        e.lngReihenfolge[i] = 0;
    e.lngReihenfolgeAnzahl = 0;

    if (SchilderZaehlen() > 0) {
        // The next window is closed right after; one that asks is brought
        // to the front then.
        for (int32_t i = 1; !programmEndet && i <= p.hoechstesSchild(); ++i) {
            if (!p.Schilder[i].blnSchildFrei) {
                Schild(i).SetFocus();
                break;
            }
        }
    } else {
        if (auto* w = nachbarn().werkzeuge)
            w->setVisible(false);
        if (auto* m = nachbarn().mdi) {
            for (const char* name :
                 {"mnuDateiSpeichern", "mnuDateiSpeichernunter", "mnuDateiSchliessen", "mnuDrucken",
                  "mnuDbLaden", "mnuDbEigeneLaden", "mnuDbEntladen", "mnuPreisedatenbank",
                  "mnuDbDatensaetzeWaehlen", "mnuDBWechseln"})
                m->menuAktivSetzen(QString::fromLatin1(name), false);
            m->knopfSetzen(QStringLiteral("cmdSpeichern"), false, QStringLiteral("save_ef"));
            m->knopfSetzen(QStringLiteral("cmdDrucken"), false, QStringLiteral("print_ef"));
            m->knopfSetzen(QStringLiteral("cmdVorschau"), false, QStringLiteral("preview_ef"));
        }
        p.blnWerkzeugeAktiv = false;
    }
    return abbrechen;
}

void frmLabel::schliessen(int modus) {
    m_modus = modus;
    close();
    m_modus = DurchBenutzer;
}

namespace {
// Which entries the window's flags offer and which its state allows, as
// Qt keeps them for its own entries.
void systemEintraegeAbgleichen(const QMdiSubWindow& fenster) {
    const QMenu* m = fenster.systemMenu();
    if (!m)
        return;
    const Qt::WindowFlags flags = fenster.windowFlags();
    // A minimised window counts as minimised, also when it was maximised.
    const bool minimiert = fenster.windowState() & Qt::WindowMinimized;
    const bool maximiert = !minimiert && (fenster.windowState() & Qt::WindowMaximized);
    const bool rahmen = !(flags & Qt::FramelessWindowHint);
    for (QAction* a : m->actions()) {
        const QString name = a->objectName();
        if (name == QLatin1String("&Restore")) {
            a->setVisible(rahmen &&
                          (flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            a->setEnabled(minimiert || maximiert);
        } else if (name == QLatin1String("Mi&nimize")) {
            a->setVisible(rahmen && (flags & Qt::WindowMinimizeButtonHint));
            a->setEnabled(!minimiert);
        } else if (name == QLatin1String("Ma&ximize")) {
            a->setVisible(rahmen && (flags & Qt::WindowMaximizeButtonHint));
            a->setEnabled(!maximiert);
        } else if (name == QLatin1String("Stay on &Top")) {
            a->setVisible(rahmen);
            a->setChecked(flags & Qt::WindowStaysOnTopHint);
        } else if (name == QLatin1String("&Close")) {
            a->setVisible(rahmen && (flags & Qt::WindowSystemMenuHint));
        }
    }
}
} // namespace

void frmLabel::systemMenueAnlegen() {
    if (systemMenu())
        return;
    auto* m = new QMenu(this);
    const QStyle* stil = style();
    // The entries, texts and pictures of Qt's own window menu, in its order.
    const auto eintrag = [&](const char* text, QStyle::StandardPixmap bild) {
        QAction* a = m->addAction(QMdiSubWindow::tr(text));
        a->setObjectName(QString::fromLatin1(text));
        if (bild != QStyle::SP_CustomBase)
            a->setIcon(stil->standardIcon(bild, nullptr, this));
        return a;
    };
    connect(eintrag("&Restore", QStyle::SP_TitleBarNormalButton), &QAction::triggered, this,
            &QWidget::showNormal);
    if (m_bewegen)
        m->addAction(m_bewegen);
    if (m_groesse)
        m->addAction(m_groesse);
    connect(eintrag("Mi&nimize", QStyle::SP_TitleBarMinButton), &QAction::triggered, this,
            &QWidget::showMinimized);
    connect(eintrag("Ma&ximize", QStyle::SP_TitleBarMaxButton), &QAction::triggered, this,
            &QWidget::showMaximized);
    QAction* oben = eintrag("Stay on &Top", QStyle::SP_CustomBase);
    oben->setCheckable(true);
    // Qt's own handling, which reads the entry that sent it.
    connect(oben, SIGNAL(triggered()), this, SLOT(_q_updateStaysOnTopHint()));
    m->addSeparator();
    connect(eintrag("&Close", QStyle::SP_TitleBarCloseButton), &QAction::triggered, this,
            &QWidget::close);
    // Only the sub-window's part is used: the state may still change while
    // the window is being destroyed, after the label's own part is gone.
    const QMdiSubWindow* fenster = this;
    const auto abgleichen = [fenster] { systemEintraegeAbgleichen(*fenster); };
    abgleichen();
    connect(m, &QMenu::aboutToShow, m, abgleichen);
    connect(this, &QMdiSubWindow::windowStateChanged, m, abgleichen);
    // The area closes the window on a double click on the menu and redraws
    // the title bar when the menu closes.
    m->installEventFilter(this);
    setSystemMenu(m);
}

bool frmLabel::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::WindowStateChange:
        systemMenueAnlegen();
        break;
    default:
        break;
    }
    return QMdiSubWindow::event(e);
}

void frmLabel::closeEvent(QCloseEvent* e) {
    if (QueryUnload(m_modus))
        e->ignore();
    else
        e->accept();
}

void frmLabel::keyPressEvent(QKeyEvent* e) {
    if (!HilfeTaste(e, QStringLiteral("3.htm")))
        QMdiSubWindow::keyPressEvent(e);
}

void FenstergroesseSetzen(float& Breite, float& Hoehe, frmLabel& frm) {
    // Bisection on the outer size until the inner size in millimetres lies
    // within 0.4 mm of the wanted one. Probes are whole pixels, so the search
    // also ends when the interval cannot shrink any further. The probes are
    // worked out, not tried on the window: the frame is the same at every
    // size, and each real resize of a shown window restarts a timer in a
    // list as long as the number of open windows.
    const auto suchen = [](float soll, int rand, int kleinst, int groesst, double proMm) {
        const auto aussen = [=](int twips) {
            const int px = std::max(1, RundenGerade(twipsZuPixel(twips)));
            return std::max(std::min(px, groesst), kleinst);
        };
        const auto innen = [=](int px) { return (px - rand) / proMm; };
        constexpr int kSchritt = 5000;
        constexpr int kMaxSchritte = 400; // far beyond any paper size
        int k = 1;
        for (; k < kMaxSchritte; ++k)
            if (!(innen(aussen(kSchritt * k)) < soll))
                break;
        int lo = kSchritt * (k - 1), hi = kSchritt * k;
        double wLo = innen(aussen(lo));
        int letzte = aussen(hi); // the window ends at the last probe
        double wHi = innen(letzte);
        while (static_cast<float>(wHi - wLo) > 0.4f) {
            const int mid = RundenGerade((lo + hi) / 2.0);
            if (mid == lo || mid == hi)
                break;
            letzte = aussen(mid);
            const double w = innen(letzte);
            if (w < soll) {
                lo = mid;
                wLo = w;
            } else {
                hi = mid;
                wHi = w;
            }
        }
        return letzte;
    };
    const QRect r = frm.contentsRect();
    const int breite = suchen(Breite, frm.width() - r.width(), frm.minimumWidth(),
                              frm.maximumWidth(), frm.pixelProMm());
    const int hoehe = suchen(Hoehe, frm.height() - r.height(), frm.minimumHeight(),
                             frm.maximumHeight(), frm.logicalDpiY() / kMmProZoll);
    frm.resize(breite, hoehe);
    frm.innenGroesseSetzen(Breite, Hoehe);
}

} // namespace sorvo
