#include "update/meldung.h"

#include <QApplication>
#include <QMessageBox>

namespace sorvo::update {
namespace {

class Meldungsfenster : public Meldungen {
public:
    void meldung(const QString& text, int symbol, const QString& titel) override {
        QString zeilen = text;
        zeilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        zeilen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QMessageBox box(symbol == Symbol::Ausrufezeichen ? QMessageBox::Warning
                                                         : QMessageBox::Information,
                        titel, zeilen, QMessageBox::NoButton, QApplication::activeWindow());
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
    }
};

Meldungen* g_gesetzt = nullptr;

} // namespace

Meldungen& meldungen() {
    static Meldungsfenster fenster;
    return g_gesetzt ? *g_gesetzt : fenster;
}

Meldungen* meldungenSetzen(Meldungen* m) {
    Meldungen* vorher = g_gesetzt;
    g_gesetzt = m;
    return vorher;
}

} // namespace sorvo::update
