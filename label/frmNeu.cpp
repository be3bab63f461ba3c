#include "label/frmNeu.h"

#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace sorvo {

namespace {
struct Format {
    const char* name;
    const char* breite;
    const char* hoehe;
};
// Sizes as the dialog has always written them (211, not 210).
constexpr Format kFormate[] = {{"Benutzerdefiniert", nullptr, nullptr},
                               {"DIN A4", "297", "211"},
                               {"DIN A5", "211", "147"},
                               {"DIN A6", "147", "105"},
                               {"DIN A7", "105", "74"},
                               {"Schlaufen- / Stecketiketten", nullptr, nullptr}};
constexpr int kSchlaufe = 5;

// The size captions hold blanks between the name and "mm"; the box sits on
// those blanks, so that "mm" reads behind the number. The box is read under
// its caption.
QWidget* masszeile(QLabel* beschriftung, QLineEdit* box) {
    auto* zeile = new QWidget;
    beschriftung->setParent(zeile);
    box->setParent(zeile);
    beschriftung->setBuddy(box);
    box->setAccessibleName(beschriftung->text());
    const QString text = beschriftung->text();
    const qsizetype ende = text.indexOf(QLatin1Char(':')) + 1;
    const qsizetype mm = text.lastIndexOf(QStringLiteral("mm"));
    const QFontMetrics fm(beschriftung->font());
    const int links = fm.horizontalAdvance(text.left(ende)) + 4;
    const int rechts = fm.horizontalAdvance(text.left(mm)) - 4;
    const int hoehe = std::max(box->sizeHint().height(), beschriftung->sizeHint().height());
    beschriftung->setGeometry(0, 0, beschriftung->sizeHint().width(), hoehe);
    box->setGeometry(links, 0, std::max(40, rechts - links), hoehe);
    zeile->setFixedSize(std::max(beschriftung->sizeHint().width(), links + box->width() + 24),
                        hoehe);
    return zeile;
}
constexpr double kGroessteSeite = 2000.0;
} // namespace

std::optional<double> masszahlLesen(const QString& text) {
    QString s = text.trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = s.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

frmNeu::frmNeu(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Neues Schild definieren"));
    festerDialog(*this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    lblInfo = new QLabel(QStringLiteral(
        "Geben Sie bitte die gewünschten Größen für das Schildformat ein, oder wählen sie eins "
        "der vorgegebenen Formate."));
    lblInfo->setWordWrap(true);
    lblBreite = new QLabel(QStringLiteral("Breite:                     mm"));
    lblBreite->setObjectName(QStringLiteral("lblBreite"));
    txtBreite = new QLineEdit(QStringLiteral("100"));
    txtBreite->setObjectName(QStringLiteral("txtBreite"));
    lblHoehe = new QLabel(QStringLiteral("Höhe:                       mm"));
    lblHoehe->setObjectName(QStringLiteral("lblHoehe"));
    txtHoehe = new QLineEdit(QStringLiteral("75"));
    txtHoehe->setObjectName(QStringLiteral("txtHoehe"));
    cboFormat = new QComboBox;
    fraHQ = new QGroupBox;
    optHQ[0] = new QRadioButton(QStringLiteral("Hochformat"));
    optHQ[1] = new QRadioButton(QStringLiteral("Querformat"));
    cmdOK = new QPushButton(QStringLiteral("&OK"));
    cmdCancel = new QPushButton(QStringLiteral("&Abbruch"));
    cmdOK->setDefault(true);

    auto* hq = new QVBoxLayout(fraHQ);
    hq->addWidget(optHQ[0]);
    hq->addWidget(optHQ[1]);
    auto* raster = new QGridLayout;
    raster->addWidget(masszeile(lblBreite, txtBreite), 0, 0);
    raster->addWidget(masszeile(lblHoehe, txtHoehe), 1, 0);
    raster->addWidget(cboFormat, 2, 0);
    raster->addWidget(fraHQ, 0, 1, 3, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdOK);
    knoepfe->addWidget(cmdCancel);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(lblInfo);
    haupt->addLayout(raster);
    haupt->addLayout(knoepfe);

    connect(cboFormat, &QComboBox::activated, this, [this] { cboFormat_Click(); });
    for (auto* o : optHQ)
        connect(o, &QRadioButton::toggled, this, [this](bool an) {
            if (an)
                ausrichtungGeaendert();
        });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    Form_Load();
}

void frmNeu::Form_Load() {
    adjustSize();
    if (auto* m = nachbarn().mdi) {
        const int links = (m->Width() - static_cast<int>(pixelZuTwips(width()))) / 2;
        const int oben = (m->Height() - static_cast<int>(pixelZuTwips(height()))) / 2;
        move(RundenGerade(twipsZuPixel(links)), RundenGerade(twipsZuPixel(oben)));
    }
    fraHQ->setVisible(false);
    const QSignalBlocker sperre(cboFormat);
    for (const auto& f : kFormate)
        cboFormat->addItem(QString::fromUtf8(f.name));
    cboFormat->setCurrentIndex(0);
}

void frmNeu::cboFormat_Click() {
    const int i = cboFormat->currentIndex();
    if (i == 0) {
        txtBreite->setReadOnly(false);
        txtHoehe->setReadOnly(false);
        fraHQ->setVisible(false);
    } else if (i >= 1 && i <= 4) {
        txtBreite->setText(QString::fromLatin1(kFormate[i].breite));
        txtHoehe->setText(QString::fromLatin1(kFormate[i].hoehe));
        txtBreite->setReadOnly(true);
        txtHoehe->setReadOnly(true);
        fraHQ->setVisible(true);
    } else if (i == kSchlaufe) {
        txtBreite->setReadOnly(true);
        txtHoehe->setReadOnly(true);
        fraHQ->setVisible(false);
        hide();
        auto* s = nachbarn().schlaufenetikett;
        if (!s) {
            cmdOK->setEnabled(false);
            show();
            return;
        }
        QPointer<frmNeu> selbst = this;
        s->zeigen([selbst](bool erstellt) {
            if (!selbst)
                return;
            if (erstellt) {
                // The loop-label dialog made the label; this one is done.
                selbst->m_fertig = true;
                selbst->deleteLater();
            } else {
                // A format must be chosen anew.
                selbst->cmdOK->setEnabled(false);
                selbst->show();
            }
        });
        return;
    }
    if (i >= 0 && i < kSchlaufe) {
        cmdOK->setEnabled(true);
        optHQ[0]->setChecked(true); // swaps when it was not selected before
        optHQ[1]->setChecked(false);
    }
}

void frmNeu::ausrichtungGeaendert() {
    const QString hoehe = txtHoehe->text();
    if (const auto b = masszahlLesen(txtBreite->text()))
        txtHoehe->setText(QString::number(RundenGerade(*b)));
    else
        txtHoehe->setText(txtBreite->text());
    txtBreite->setText(hoehe);
}

void frmNeu::cmdOK_Click() {
    const auto breite = masszahlLesen(txtBreite->text());
    const auto hoehe = masszahlLesen(txtHoehe->text());
    const auto gueltig = [](const std::optional<double>& d) {
        return d && *d > 0 && *d <= kGroessteSeite;
    };
    if (!gueltig(breite) || !gueltig(hoehe)) {
        dialoge().meldung(QStringLiteral("Bitte geben Sie für Breite und Höhe eine Zahl größer als "
                                         "0 und höchstens 2000 mm ein."),
                          Msg::OK + Msg::Exclamation, windowTitle());
        return;
    }
    hide();
    NeuesSchild();
    auto& p = P();
    const int32_t n = p.lngAktivesSchild;
    auto& e = S(n);
    e.sngSchildHoehe = static_cast<float>(*hoehe);
    e.sngSchildBreite = static_cast<float>(*breite);
    e.blnSchlaufenetikett = false;
    SchildMenuesFreigeben();
    if (auto* m = nachbarn().mdi) {
        if (!e.blnDbGeladen) {
            m->menuAktivSetzen(QStringLiteral("mnuDbLaden"), true);
            m->menuAktivSetzen(QStringLiteral("mnuDbEigeneLaden"), true);
        }
    }
    p.blnWerkzeugeAktiv = true;
    float b = static_cast<float>(RundenGerade(*breite));
    float h = static_cast<float>(RundenGerade(*hoehe));
    FenstergroesseSetzen(b, h, Schild(n));
    SchildGeaendert();
    m_fertig = true;
    deleteLater();
    AllesFreigeben();
    SchilderAnzeigen();
}

void frmNeu::cmdCancel_Click() {
    m_fertig = true;
    hide();
    deleteLater();
    if (auto* m = nachbarn().mdi)
        m->widget()->setEnabled(true);
    AllesFreigeben();
    if (auto* m = nachbarn().mdi)
        m->SetFocus();
    SchilderAnzeigen();
}

void frmNeu::keyPressEvent(QKeyEvent* e) {
    if (HilfeTaste(e, QStringLiteral("2.htm")))
        return;
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void frmNeu::closeEvent(QCloseEvent* e) {
    // The close box acts as Cancel.
    if (!m_fertig)
        cmdCancel_Click();
    e->accept();
}

} // namespace sorvo
