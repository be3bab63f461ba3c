#include "app/frmInfos.h"

#include "label/programm.h"
#include "platform/bilder.h"
#include "platform/dialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace sorvo {

frmInfos::frmInfos(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Über Sorvo"));
    festerDialog(*this);
    setModal(true);
    auto* Image1 = new QLabel;
    Image1->setPixmap(logoBild());
    lblName = new QLabel(QStringLiteral("Programmversion:"));
    lblVersion = new QLabel(P().strVersion);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* Label1 = new QLabel(QStringLiteral("Sorvo – Pflanzenschilder gestalten und drucken"));
    auto* Label2 = new QLabel(QStringLiteral("Kelmarhof"));
    cmdOK = new QPushButton(QStringLiteral("&OK"));
    cmdOK->setDefault(true);
    auto* l = new QGridLayout(this);
    l->addWidget(Image1, 0, 0, 3, 1);
    l->addWidget(Label1, 0, 1, 1, 2);
    l->addWidget(Label2, 1, 1, 1, 2);
    l->addWidget(lblName, 2, 1);
    l->addWidget(lblVersion, 2, 2);
    l->addWidget(cmdOK, 3, 2);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace sorvo
