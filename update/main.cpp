// Sorvo-Update: replaces an older installation by the program files that lie
// beside this updater.
#include "update/frmUpdate.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    sorvo::update::frmUpdate fenster(QCoreApplication::applicationDirPath());
    QObject::connect(&fenster, &sorvo::update::frmUpdate::beenden, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    if (!fenster.Form_Load())
        return 0;
    return app.exec();
}
