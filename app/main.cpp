// Sorvo: designs, fills and prints plant labels.
#include "app/frmStart.h"
#include "label/programm.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvo"));
    QApplication::setOrganizationName(QStringLiteral("Kelmarhof"));
    // Qt's own dialogs (printer choice) and buttons speak German as well.
    sorvo::qtUebersetzungLaden();
    sorvo::schriftenEinrichten();
    sorvo::TabellenAnlegen();
    auto* start = new sorvo::frmStart;
    start->setAttribute(Qt::WA_DeleteOnClose);
    if (!start->Form_Load()) {
        delete start;
        return 0;
    }
    start->show();
    return app.exec();
}
