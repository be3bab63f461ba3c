#include "database/optionenfenster.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorvo {

Optionenfenster optionenfensterAnlegen(QDialog& d, const QString& rahmen) {
    Optionenfenster o{};
    o.Frame1 = new QGroupBox(rahmen);
    o.Frame1->setObjectName(QStringLiteral("Frame1"));
    o.optionen = new QVBoxLayout(o.Frame1);
    o.cmdOK = new QPushButton(QStringLiteral("OK"));
    o.cmdOK->setObjectName(QStringLiteral("cmdOK"));
    o.cmdOK->setAccessibleName(o.cmdOK->text());
    o.cmdOK->setDefault(true);
    o.cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    o.cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    o.cmdAbbrechen->setAccessibleName(o.cmdAbbrechen->text());
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(o.cmdOK);
    knoepfe->addWidget(o.cmdAbbrechen);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(o.Frame1);
    l->addLayout(knoepfe);
    return o;
}

} // namespace sorvo
