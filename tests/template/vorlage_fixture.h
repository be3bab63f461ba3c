#pragma once
// A main window with the template commands registered, a German locale, a
// folder for the files of one test, and helpers that build label windows
// and describe them completely, so that two windows can be compared.
#include "label/nachbarn.h"
#include "platform/elements.h"
#include "tests/app/mdi_fixture.h"

#include <QLocale>
#include <QStringList>
#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << '"' << b.toPercentEncoding(" |<>,.:;()*-_/\\").toStdString() << '"';
}

namespace sorvo::test {

// A database-choice object that records which operations ran. The choice of
// another database can be scripted as the real one would end: with a path.
struct DbProtokoll : DatenbankAuswahl {
    static QStringList& aufrufe();
    static QString& wechselPfad();
    void DBBotrelWechseln() override;
    void DbTabellenAnzeigen() override { aufrufe() << QStringLiteral("DbTabellenAnzeigen"); }
    void DbTabellenAnzeigenEigeneDb() override {
        aufrufe() << QStringLiteral("DbTabellenAnzeigenEigeneDb");
    }
    void DBPreiseLaden() override { aufrufe() << QStringLiteral("DBPreiseLaden"); }
};

class VorlagenTest : public MdiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A label window of the given size, made as the new-label dialog makes it.
    int32_t schild(const QString& breite = QStringLiteral("100"),
                   const QString& hoehe = QStringLiteral("60"));
    // Elements created in the current window as the tool window does it:
    // look set, fitted and shown. Returns the index.
    int32_t text(const QString& caption, double links = 0, double oben = 0, int32_t maxBreite = 0);
    int32_t datenfeld(const QString& caption, double links = 0, double oben = 0,
                      int32_t maxBreite = 0);
    int32_t bild(const QString& pfad, double links, double oben, double hoehe, double breite);

    QString pfad(const QString& name) const { return m_ordner.filePath(name); }
    QString dateiSchreiben(const QString& name, const QByteArray& inhalt) const;
    static QByteArray dateiLesen(const QString& pfad);
    // A small picture file.
    QString bildDatei(const QString& name) const;

    // Runs the Open command (the caller scripts the file choice and what
    // follows) and returns the number the new window got.
    int32_t oeffnen();

    // Everything a template holds of window w, one line per element.
    static QString zustand(int32_t w);

    QLocale m_locale;
    QTemporaryDir m_ordner;

private:
    int32_t beschriftungNeu(bool datenfeld, const QString& caption, double links, double oben,
                            int32_t maxBreite);
};

} // namespace sorvo::test
