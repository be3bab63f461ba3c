#include "database/frmBilderAuswahl.h"

#include "database/bildersuche.h"
#include "database/frmBotrelOrdner.h"
#include "database/frmDbAuswaehlen.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "label/programm.h"
#include "platform/bilddatei.h"
#include "platform/bilder.h"
#include "platform/dialogs.h"
#include "platform/knopf.h"
#include "platform/ordner.h"
#include "platform/units.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace sorvo {

namespace {

constexpr double kSlotBreite = 1500;
constexpr double kSlotHoehe = 1305;
// A picture up to this high keeps the full slot width and reaches below
// its box.
constexpr float kHoeheGrenze = 1860;

QRect pixel(double links, double oben, double breite, double hoehe) {
    return {px(links), px(oben), px(breite), px(hoehe)};
}

double slotLinks(int i) {
    return 120 + 1740 * (i % 5);
}
double slotOben(int i) {
    return i < 5 ? 240 : 2280;
}

QFont arial(double punkt, bool fett = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punkt);
    f.setBold(fett);
    return f;
}

} // namespace

frmBilderAuswahl::frmBilderAuswahl(frmDbSaetzeWaehlen& saetze, QWidget* parent)
    : QDialog(parent), m_saetze(saetze) {
    setObjectName(QStringLiteral("frmBilderAuswahl"));
    setWindowTitle(QStringLiteral("Bild aussuchen"));
    festerDialog(*this);
    setModal(true);
    setFixedSize(px(8850), px(5370));
    lblKlick = new QLabel(QStringLiteral("Gewünschtes Bild bitte durch Anklicken aussuchen"), this);
    lblKlick->setObjectName(QStringLiteral("lblKlick"));
    lblKlick->setFont(arial(9.75, true));
    lblKlick->setGeometry(pixel(120, 120, 4935, 315));
    fraBilder = new QGroupBox(this);
    fraBilder->setObjectName(QStringLiteral("fraBilder"));
    fraBilder->setGeometry(pixel(60, 420, 8715, 4275));
    for (int i = 0; i < 10; ++i) {
        auto* b = new QLabel(fraBilder);
        b->setObjectName(QStringLiteral("imgBotrelBild%1").arg(i));
        b->setAccessibleName(QStringLiteral("Bild %1").arg(i + 1));
        b->setScaledContents(true);
        b->setFrameShape(QFrame::NoFrame);
        b->installEventFilter(this);
        b->hide();
        imgBotrelBild[static_cast<size_t>(i)] = b;
        slotSetzen(i, QRectF(slotLinks(i), slotOben(i), kSlotBreite, kSlotHoehe));
        auto* t = new QLabel(fraBilder);
        t->setObjectName(QStringLiteral("lblBilderText%1").arg(i));
        t->setFont(arial(8.25));
        t->setWordWrap(true);
        t->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        t->setGeometry(pixel(slotLinks(i), i < 5 ? 1620 : 3660, 1455, 435));
        lblBilderText[static_cast<size_t>(i)] = t;
    }
    cmdAbbrechen = befehlsknopf("cmdAbbrechen", QStringLiteral("&Kein Bild nehmen"), false, this);
    cmdAbbrechen->setFont(arial(9));
    cmdAbbrechen->setGeometry(pixel(5460, 4860, 1815, 375));
    cmdOK = befehlsknopf("cmdOK", QStringLiteral("&OK"), true, this);
    cmdOK->setFont(arial(9));
    cmdOK->setGeometry(pixel(7440, 4860, 1335, 375));
    cmdOK->setDefault(true);
    cmdOK->setEnabled(false);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
}

void frmBilderAuswahl::slotSetzen(int i, const QRectF& twips) {
    m_slots[static_cast<size_t>(i)] = twips;
    imgBotrelBild[static_cast<size_t>(i)]->setGeometry(
        pixel(twips.left(), twips.top(), twips.width(), twips.height()));
}

bool frmBilderAuswahl::belegt(int i) const {
    return imgBotrelBild[static_cast<size_t>(i)]->cursor().shape() == Qt::BitmapCursor;
}

void frmBilderAuswahl::Form_Load() {
    BilderSuchen();
}

void frmBilderAuswahl::Form_Activate() {
    if (m_lngBilderAnzahl == 1) {
        imgBotrelBild_Click(0);
        cmdOK_Click();
    } else if (m_lngBilderAnzahl == 0) {
        piepen();
    }
}

void frmBilderAuswahl::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Once the window is up, as its activation would.
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmBilderAuswahl::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        cmdAbbrechen_Click();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool frmBilderAuswahl::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 10; ++i)
            if (o == imgBotrelBild[static_cast<size_t>(i)]) {
                imgBotrelBild_Click(i);
                return true;
            }
    }
    return QDialog::eventFilter(o, e);
}

void frmBilderAuswahl::Vorschau(const QString& Bildpfad, int32_t Nummer) {
    const auto mm = bildGroesseMm(Bildpfad);
    if (!mm || Nummer < 0 || Nummer > 9)
        return;
    // The picture's own size in twips.
    const float W = static_cast<float>(mmZuTwips(mm->width()));
    const float H = static_cast<float>(mmZuTwips(mm->height()));
    const float rW = W / static_cast<float>(kSlotBreite);
    const float rH = H / static_cast<float>(kSlotHoehe);
    const float t = H / rW;
    float breite = 0, hoehe = 0;
    if (t > kHoeheGrenze) {
        breite = W / rH;
        hoehe = H / rH;
    } else {
        breite = W / rW;
        hoehe = t;
    }
    const double links = slotLinks(Nummer) + (kSlotBreite - breite) / 2;
    slotSetzen(Nummer, QRectF(links, slotOben(Nummer), breite, hoehe));
}

void frmBilderAuswahl::BilderSuchen() {
    auto& p = P();
    if (p.strBotrelBilderVerz.isEmpty()) {
        const Antwort a = dialoge().meldung(
            QStringLiteral("Der Ordner in der sich die Botrel-Bilder befinden ist nicht bekannt!\r"
                           "Soll der Ordner jetzt gesucht werden?"),
            Msg::YesNo + Msg::Question, QStringLiteral("Sorvo"));
        if (a != Antwort::Yes)
            return;
        BotrelBilderZeigen();
        if (p.strBotrelBilderVerz.isEmpty())
            return;
    }
    for (int i = 0; i < 10; ++i) {
        imgBotrelBild[static_cast<size_t>(i)]->hide();
        imgBotrelBild[static_cast<size_t>(i)]->unsetCursor();
        imgBotrelBild[static_cast<size_t>(i)]->setFrameShape(QFrame::NoFrame);
        lblBilderText[static_cast<size_t>(i)]->setText(QString());
        m_strBildPfade[static_cast<size_t>(i)].clear();
    }
    const auto bilder = pflanzenBilder(m_saetze, SchildDb(p.lngAktivesSchild).BotrelDateiArt);
    const QPixmap hand = fensterBild(QStringLiteral("hand-m")).pixmap(16, 16);
    int32_t s = 0;
    for (const GefundenesBild& b : bilder) {
        const auto i = static_cast<size_t>(s);
        m_strBildPfade[i] = b.pfad;
        Vorschau(b.pfad, s);
        QLabel* slot = imgBotrelBild[i];
        // Decoded straight to the slot's size: a photograph decoded whole
        // would cost many times more.
        slot->setPixmap(QPixmap::fromImage(bildLaden(b.pfad, slot->size().expandedTo({1, 1}))));
        slot->show();
        slot->setCursor(QCursor(hand, 3, 3));
        lblBilderText[i]->setText(b.text);
        ++s;
    }
    m_lngBilderAnzahl = s;
}

void frmBilderAuswahl::imgBotrelBild_Click(int Index) {
    if (Index < 0 || Index > 9 || !belegt(Index))
        return;
    for (QLabel* b : imgBotrelBild)
        b->setFrameShape(QFrame::NoFrame);
    QLabel* b = imgBotrelBild[static_cast<size_t>(Index)];
    b->setFrameShape(QFrame::Box);
    cmdOK->setEnabled(true);
}

void frmBilderAuswahl::cmdOK_Click() {
    m_saetze.strBotrelBild.clear();
    for (int i = 0; i < 10; ++i)
        if (imgBotrelBild[static_cast<size_t>(i)]->frameShape() == QFrame::Box) {
            m_saetze.strBotrelBild = m_strBildPfade[static_cast<size_t>(i)];
            break;
        }
    accept();
}

void frmBilderAuswahl::cmdAbbrechen_Click() {
    m_saetze.strBotrelBild.clear();
    reject();
}

} // namespace sorvo
