#include "print/frmSchlaufenetikett.h"

#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "print/frmVorschau.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace sorvo {

namespace {

constexpr int kGroesster = 32767;

// Digits only, at most 32767; an empty field may be left for a moment.
class Ziffern final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& s, int&) const override {
        if (s.size() > 5)
            return Invalid;
        for (const QChar c : s)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        if (!s.isEmpty() && s.toInt() > kGroesster)
            return Invalid;
        return Acceptable;
    }
};

// The sketch of a loop label with its four dimensions.
class Skizze final : public QWidget {
public:
    explicit Skizze(QWidget* parent = nullptr) : QWidget(parent) {
        setMinimumSize(420, 130);
        setAccessibleName(QStringLiteral("Skizze"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QFontMetrics fm(font());
        const int zeile = fm.height();
        const QRectF etikett(10, zeile + 14, width() - 40, 40);
        const double versatz = etikett.width() * 0.42, text = etikett.width() * 0.4;
        const QRectF textFeld(etikett.left() + versatz, etikett.top() + 6, text,
                              etikett.height() - 12);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(255, 255, 230));
        p.drawRoundedRect(etikett, 6, 6);
        // The loop at the strip's far end.
        p.drawEllipse(QPointF(etikett.right() - 14, etikett.center().y()), 6, 6);
        p.setBrush(QColor(220, 235, 255));
        p.drawRect(textFeld);

        const auto mass = [&](QPointF a, QPointF b, const QString& s, bool darunter) {
            p.drawLine(a, b);
            for (const QPointF& e : {a, b}) {
                const bool waag = a.y() == b.y();
                p.drawLine(e + (waag ? QPointF(0, -4) : QPointF(-4, 0)),
                           e + (waag ? QPointF(0, 4) : QPointF(4, 0)));
            }
            const QPointF m = (a + b) / 2;
            const int w = fm.horizontalAdvance(s);
            const double y = darunter ? m.y() + zeile : m.y() - 4;
            p.drawText(QPointF(a.y() == b.y() ? m.x() - w / 2.0 : m.x() + 6, y), s);
        };
        p.setBrush(Qt::NoBrush);
        mass(QPointF(etikett.left(), etikett.top() - 6),
             QPointF(etikett.right(), etikett.top() - 6), QStringLiteral("Etikettenbreite"), false);
        mass(QPointF(etikett.right() + 8, etikett.top()),
             QPointF(etikett.right() + 8, etikett.bottom()), QString(), false);
        p.drawText(QPointF(etikett.right() - fm.horizontalAdvance(QStringLiteral("Etikettenhöhe")),
                           etikett.bottom() + 2 * zeile + 6),
                   QStringLiteral("Etikettenhöhe"));
        mass(QPointF(etikett.left(), etikett.bottom() + 8),
             QPointF(textFeld.left(), etikett.bottom() + 8), QStringLiteral("linker Versatz"),
             true);
        mass(QPointF(textFeld.left(), etikett.bottom() + 8),
             QPointF(textFeld.right(), etikett.bottom() + 8), QStringLiteral("max. Textbreite"),
             true);
    }
};

} // namespace

// ---------------------------------------------------------------------------

MmFeld::MmFeld(const QString& text, int kleinster, QWidget* parent)
    : QLineEdit(text, parent), m_kleinster(kleinster) {
    setValidator(new Ziffern(this));
    connect(this, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
}

int MmFeld::wert() const {
    return text().isEmpty() ? m_kleinster : text().toInt();
}

void MmFeld::verlassen() {
    if (text().isEmpty() || text().toInt() < m_kleinster)
        setText(QString::number(m_kleinster));
}

void MmFeld::focusOutEvent(QFocusEvent* e) {
    verlassen();
    QLineEdit::focusOutEvent(e);
}

// ---------------------------------------------------------------------------

frmSchlaufenetikett::frmSchlaufenetikett(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSchlaufenetikett"));
    setWindowTitle(QStringLiteral("Schlaufen- und Stecketiketten"));
    festerDialog(*this);
    struct Vorgabe {
        const char* name;
        const char* kurz;
        const char* caption;
        const char* text;
        int kleinster;
    };
    const Vorgabe vorgaben[] = {
        {"txtEtikettenHoehe", "EH", "Etikettenhöhe", "20", 1},
        {"txtEtikettenBreite", "EB", "Etikettenbreite", "220", 1},
        {"txtAbstandRand", "AR", "Abstand Blattrand", "20", 0},
        {"txtmaxTextBreite", "maxTB", "max. Textbreite", "100", 1},
        {"txtlinkerVersatz", "LV", "linker Versatz", "100", 0},
    };
    auto* raster = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        const Vorgabe& v = vorgaben[i];
        auto* f = new MmFeld(QString::fromLatin1(v.text), v.kleinster, this);
        f->setObjectName(QString::fromLatin1(v.name));
        f->setMaximumWidth(70);
        auto* l = new QLabel(QString::fromUtf8(v.caption), this);
        l->setBuddy(f);
        f->setAccessibleName(l->text());
        auto* m = new QPushButton(QStringLiteral("-"), this);
        auto* p = new QPushButton(QStringLiteral("+"), this);
        m->setObjectName(QStringLiteral("cmd%1Minus").arg(QLatin1String(v.kurz)));
        p->setObjectName(QStringLiteral("cmd%1Plus").arg(QLatin1String(v.kurz)));
        for (QPushButton* k : {m, p}) {
            k->setAccessibleName(k->text());
            k->setAutoDefault(false);
            k->setFixedWidth(28);
        }
        felder[static_cast<size_t>(i)] = f;
        beschriftungen[static_cast<size_t>(i)] = l;
        minus[static_cast<size_t>(i)] = m;
        plus[static_cast<size_t>(i)] = p;
        // Left column top to bottom, then the right column.
        const int reihe = i < 3 ? i : i - 3, spalte = i < 3 ? 0 : 4;
        raster->addWidget(l, reihe, spalte);
        raster->addWidget(m, reihe, spalte + 1);
        raster->addWidget(f, reihe, spalte + 2);
        raster->addWidget(p, reihe, spalte + 3);
        const auto feld = static_cast<Feld>(i);
        connect(m, &QPushButton::clicked, this, [this, feld] { minusKlick(feld); });
        connect(p, &QPushButton::clicked, this, [this, feld] { plusKlick(feld); });
    }
    raster->setColumnMinimumWidth(4, 120);
    txtEtikettenHoehe = felder[EH];
    txtEtikettenBreite = felder[EB];
    txtAbstandRand = felder[AR];
    txtmaxTextBreite = felder[maxTB];
    txtlinkerVersatz = felder[LV];

    auto* alle = new QLabel(QStringLiteral("Alle Angaben in mm."), this);
    auto* hinweis = new QLabel(QStringLiteral("Abstand Blattrand - erstes Etikett (Auf "
                                              "druckerspezifischen oberen Rand achten !)"),
                               this);
    hinweis->setWordWrap(true);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    for (QPushButton* k : {cmdOK, cmdAbbrechen}) {
        k->setAccessibleName(k->text());
        k->setAutoDefault(false);
    }
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(alle);
    knoepfe->addStretch();
    knoepfe->addWidget(cmdOK);
    knoepfe->addWidget(cmdAbbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(raster);
    haupt->addWidget(hinweis);
    haupt->addWidget(new Skizze(this));
    haupt->addLayout(knoepfe);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
    Form_Load();
}

void frmSchlaufenetikett::Form_Load() {
    m_ausVorschau = DO().blnSchlaufeAusVorschau;
    if (!m_ausVorschau)
        return;
    // Edit mode: the current loop label's grid; its size stays.
    const int32_t cur = P().lngAktivesSchild;
    const auto& e = S(cur);
    const frmLabel& f = Schild(cur);
    const auto setzen = [](MmFeld* feld, double wert) {
        feld->setText(QString::number(std::clamp(RundenGerade(wert), 0, kGroesster)));
    };
    setzen(txtEtikettenBreite, e.sngEtikettBreite);
    setzen(txtlinkerVersatz, e.sngGrenzeLinks);
    setzen(txtAbstandRand, e.sngGrenzeOben);
    setzen(txtEtikettenHoehe, f.ScaleHeight());
    setzen(txtmaxTextBreite, f.ScaleWidth());
    for (Feld fest : {EH, maxTB}) {
        felder[fest]->setEnabled(false);
        beschriftungen[fest]->setEnabled(false);
        minus[fest]->setEnabled(false);
        plus[fest]->setEnabled(false);
    }
}

void frmSchlaufenetikett::plusKlick(Feld f) {
    MmFeld* feld = felder[f];
    if (feld->wert() >= kGroesster) {
        QApplication::beep();
        return;
    }
    feld->setText(QString::number(feld->wert() + 1));
}

void frmSchlaufenetikett::minusKlick(Feld f) {
    MmFeld* feld = felder[f];
    if (feld->wert() > feld->kleinster())
        feld->setText(QString::number(feld->wert() - 1));
}

void frmSchlaufenetikett::cmdOK_Click() {
    for (MmFeld* f : felder)
        f->verlassen();
    auto& p = P();
    if (m_ausVorschau) {
        auto& e = S(p.lngAktivesSchild);
        e.sngEtikettBreite = static_cast<float>(txtEtikettenBreite->wert());
        e.sngGrenzeLinks = static_cast<float>(txtlinkerVersatz->wert());
        e.sngGrenzeRechts = 0;
        e.sngGrenzeOben = static_cast<float>(txtAbstandRand->wert());
        e.sngGrenzeUnten = 0;
        SchildGeaendert();
        schliessen(false);
        vorschauErneuern();
        return;
    }

    NeuesSchild();
    const int32_t n = p.lngAktivesSchild;
    auto& e = S(n);
    e.sngSchildHoehe = static_cast<float>(txtEtikettenHoehe->wert());
    e.sngSchildBreite = static_cast<float>(txtmaxTextBreite->wert());
    e.sngEtikettBreite = static_cast<float>(txtEtikettenBreite->wert());
    e.sngGrenzeLinks = static_cast<float>(txtlinkerVersatz->wert());
    e.sngGrenzeRechts = 0;
    e.sngGrenzeOben = static_cast<float>(txtAbstandRand->wert());
    e.sngGrenzeUnten = 0;
    e.blnSchlaufenetikett = true;
    SchildMenuesFreigeben();
    p.blnWerkzeugeAktiv = true;
    FenstergroesseSetzen(e.sngSchildBreite, e.sngSchildHoehe, Schild(n));
    SchildGeaendert();
    DatenbankAuswahl& db = SchildDb(n);
    if (e.blnPflanzenDb)
        db.DbTabellenAnzeigen();
    else
        db.DbTabellenAnzeigenEigeneDb();
    db.DBPreiseLaden();
    schliessen(true);
    if (auto* m = nachbarn().mdi)
        m->widget()->setEnabled(true);
    AllesFreigeben();
    SchilderAnzeigen();
}

void frmSchlaufenetikett::cmdAbbrechen_Click() {
    schliessen(false);
}

void frmSchlaufenetikett::reject() {
    cmdAbbrechen_Click();
}

void frmSchlaufenetikett::schliessen(bool erstellt) {
    if (m_geschlossen)
        return;
    m_geschlossen = true;
    DO().blnSchlaufeAusVorschau = false;
    QDialog::done(erstellt ? Accepted : Rejected);
    // The new-label dialog comes back after a Cancel; in edit mode nobody waits.
    if (danach)
        danach(erstellt);
}

namespace {

class SchlaufenDienst final : public Schlaufenetikett {
public:
    void zeigen(std::function<void(bool)> danach) override {
        QWidget* eltern = QApplication::activeWindow();
        if (!eltern && nachbarn().mdi)
            eltern = nachbarn().mdi->widget();
        auto* d = new frmSchlaufenetikett(eltern);
        d->danach = std::move(danach);
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->setWindowModality(Qt::ApplicationModal);
        d->show();
    }
};

} // namespace

void schlaufenetikettEinrichten() {
    static SchlaufenDienst dienst;
    nachbarn().schlaufenetikett = &dienst;
}

} // namespace sorvo
