// The controls the tool window's panels and frames are made of.
#include "tools/rahmenteile.h"

#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/dialogs.h"
#include "platform/knopf.h"
#include "platform/units.h"
#include "tools/zahlenfeld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace sorvo::rahmenteile {

QPushButton* knopf(const char* name, const QString& text) {
    return befehlsknopf(name, text, false);
}

QGroupBox* rahmen(const char* name, const QString& titel, QWidget* eltern) {
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setAccessibleName(titel);
    g->hide();
    return g;
}

QLineEdit* feld(const char* name, const QString& zugang) {
    auto* f = new QLineEdit;
    f->setObjectName(QString::fromLatin1(name));
    if (!zugang.isEmpty())
        f->setAccessibleName(zugang);
    return f;
}

ZahlenFeld* zahlenfeld(const char* name, int laenge) {
    auto* f = new ZahlenFeld;
    f->setObjectName(QString::fromLatin1(name));
    // Narrow enough that the caption beside it is shown whole.
    f->setMinimumWidth(px(450));
    if (laenge > 0)
        f->setMaxLength(laenge);
    return f;
}

QPushButton* arrayKnopf(const char* name, int index, const QString& text, const QString& tipp) {
    QPushButton* k = knopf(name, text);
    k->setProperty("Index", index);
    k->setToolTip(tipp);
    k->setAccessibleDescription(tipp);
    k->setFixedWidth(px(300));
    return k;
}

QPushButton* stilKnopf(const char* name, const QString& buchstabe, const QString& tipp) {
    QPushButton* k = knopf(name, buchstabe);
    k->setToolTip(tipp);
    k->setAccessibleName(tipp);
    QFont f = k->font();
    f.setBold(buchstabe == QStringLiteral("F"));
    f.setItalic(buchstabe == QStringLiteral("K"));
    f.setUnderline(buchstabe == QStringLiteral("U"));
    k->setFont(f);
    k->setFixedWidth(px(375));
    return k;
}

QHBoxLayout* mitKnoepfen(QWidget* box, QPushButton* plus, QPushButton* minus) {
    auto* l = new QHBoxLayout;
    l->setSpacing(1);
    l->addWidget(box, 1);
    l->addWidget(plus);
    l->addWidget(minus);
    return l;
}

QListWidget* liste(const char* name, const QString& zugang) {
    auto* l = new QListWidget;
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(zugang);
    return l;
}

QCheckBox* kasten(const char* name, const QString& text) {
    auto* k = new QCheckBox(text);
    k->setObjectName(QString::fromLatin1(name));
    k->setAccessibleName(text);
    return k;
}

QComboBox* auswahl(const char* name, const QString& zugang) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromUtf8(name));
    c->setAccessibleName(zugang);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    // The lists take no typing, only choosing; the box shows what the
    // element has even when the list lacks it.
    c->lineEdit()->setReadOnly(true);
    return c;
}

QLabel* ueberschrift(const QString& text) {
    auto* l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QString zahl(int32_t n) {
    return QString::number(n);
}

QString zahlOderLeer(int32_t n) {
    return n == 0 ? QString() : zahl(n);
}

void stillSetzen(QCheckBox* k, bool an) {
    const QSignalBlocker sperre(k);
    k->setChecked(an);
}

bool loeschenBestaetigt(const QString& frage) {
    return dialoge().meldung(frage, Msg::YesNo + Msg::Question,
                             QStringLiteral("Löschen bestätigen?")) == Antwort::Yes;
}

void schildFokus() {
    const int32_t n = P().lngAktivesSchild;
    if (n >= 1 && n <= P().hoechstesSchild())
        Schild(n).SetFocus();
}

} // namespace sorvo::rahmenteile
