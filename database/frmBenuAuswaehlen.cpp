#include "database/frmBenuAuswaehlen.h"

#include "catalogue/mdlDruck.h"
#include "database/optionenfenster.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/dialogs.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sorvo {

namespace {

// The property names of the current window's category; none for a window
// of another kind.
const std::array<QString, 5>* namenDesSchilds() {
    const int32_t n = P().lngAktivesSchild;
    if (n < 1 || n > P().hoechstesSchild())
        return nullptr;
    const auto k = kategorieAusArt(SchildDb(n).BotrelDateiArt);
    return k ? &P().strBenuNamen[static_cast<size_t>(*k)] : nullptr;
}

void uebergeben(const QString& name) {
    if (auto* w = nachbarn().werkzeuge)
        w->BenuUebergabe = name;
}

} // namespace

frmBenuAuswaehlen::frmBenuAuswaehlen(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBenuAuswaehlen"));
    setWindowTitle(QStringLiteral("Eigenschaft auswählen"));
    festerDialog(*this);
    const Optionenfenster o =
        optionenfensterAnlegen(*this, QStringLiteral("Bitte Eigenschaft auswählen"));
    Frame1 = o.Frame1;
    cmdOK = o.cmdOK;
    cmdAbbrechen = o.cmdAbbrechen;
    QFont rahmen(QStringLiteral("Arial"), 9);
    rahmen.setBold(true);
    Frame1->setFont(rahmen);
    for (int i = 0; i < 5; ++i) {
        auto* r = new QRadioButton(QStringLiteral("Benu. Eigenschaft %1").arg(i + 1));
        r->setObjectName(QStringLiteral("optBenuEigen%1").arg(i));
        // Not bold like the frame's title.
        r->setFont(QFont(QStringLiteral("Arial"), 9));
        r->setAccessibleName(r->text());
        o.optionen->addWidget(r);
        optBenuEigen[static_cast<size_t>(i)] = r;
    }
    optBenuEigen[0]->setChecked(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
    Form_Load();
}

void frmBenuAuswaehlen::Form_Load() {
    const auto* namen = namenDesSchilds();
    if (!namen)
        return;
    for (size_t i = 0; i < optBenuEigen.size(); ++i) {
        optBenuEigen[i]->setText((*namen)[i]);
        optBenuEigen[i]->setAccessibleName((*namen)[i]);
    }
}

void frmBenuAuswaehlen::cmdOK_Click() {
    for (size_t i = 0; i < optBenuEigen.size(); ++i) {
        if (!optBenuEigen[i]->isChecked())
            continue;
        if (const auto* namen = namenDesSchilds())
            uebergeben((*namen)[i]);
        accept();
        return;
    }
}

void frmBenuAuswaehlen::cmdAbbrechen_Click() {
    reject();
}

void frmBenuAuswaehlen::reject() {
    uebergeben(QString());
    QDialog::reject();
}

} // namespace sorvo
