#include "app/einstellungen.h"
#include "app/frmMDIOptionen.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "tests/app/mdi_fixture.h"
#include "tests/support/schreibschutz.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <functional>

namespace sorvo::test {
namespace {

QString lesen(const QString& key, const char* name) {
    return RegStringLesen(HKEY_LOCAL_MACHINE, key, QString::fromLatin1(name))
        .value_or(QStringLiteral("<fehlt>"));
}
void setzen(const QString& key, const char* name, const QString& wert) {
    RegStringSchreiben(HKEY_LOCAL_MACHINE, key, QString::fromLatin1(name), wert);
}

class EinstellungenTest : public MdiTest {
protected:
    // One run of the program: load, let the test change things, shut down.
    template <typename F> void lauf(F&& waehrend) {
        starten();
        waehrend();
        m_mdi->close();
        ASSERT_TRUE(m_mdi->beendet());
        m_mdi.reset();
        ProgrammZuruecksetzen();
    }
};

TEST_F(EinstellungenTest, EveryValueRoundTripsThroughTheStore) {
    lauf([&] {
        auto& p = P();
        p.strBotrelVerz = QStringLiteral("C:\\Botrel\\");
        p.strBotrelBilderVerz = QStringLiteral("\\\\srv\\Bilder\\Größe\\");
        p.strBotrelEditorVerz = QStringLiteral("/opt/editor/");
        p.blnVorlageVordergrund = true;
        p.blnAenderungSpeichern = false;
        p.blnWerkzeugFensterFolgt = true;
        p.blnRahmenDrucken = true;
        p.strRahmenDruckFarbe = QStringLiteral("255");
        m_mdi->geometrieSetzen(300, 450, 15000, 9000, 0);
    });
    EXPECT_EQ(lesen(kSchluesselPfade, "Sorvo-Verz"), programmOrdner());
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Verz"), "C:\\Botrel\\");
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Bilder-Verz"), "\\\\srv\\Bilder\\Größe\\");
    EXPECT_EQ(lesen(kSchluesselMDI, "Links"), "300");
    EXPECT_EQ(lesen(kSchluesselMDI, "Oben"), "450");
    EXPECT_EQ(lesen(kSchluesselMDI, "Breite"), "15000");
    EXPECT_EQ(lesen(kSchluesselMDI, "Hoehe"), "9000");
    EXPECT_EQ(lesen(kSchluesselMDI, "Status"), "0");
    EXPECT_EQ(lesen(kSchluesselOptionen, "blnVorlageVordergrund"), "True");
    EXPECT_EQ(lesen(kSchluesselOptionen, "blnAenderungSpeichern"), "False");
    EXPECT_EQ(lesen(kSchluesselOptionen, "blnRahmenDrucken"), "True");
    EXPECT_EQ(lesen(kSchluesselOptionen, "strRahmenDruckFarbe"), "255");

    // The next run reads back what was written. The start items then find
    // no program files, which clears those folders; the picture folder stays.
    starten(true);
    const auto& p = P();
    EXPECT_EQ(p.strBotrelBilderVerz, "\\\\srv\\Bilder\\Größe\\");
    EXPECT_TRUE(p.blnVorlageVordergrund);
    EXPECT_FALSE(p.blnAenderungSpeichern);
    EXPECT_TRUE(p.blnWerkzeugFensterFolgt);
    EXPECT_TRUE(p.blnRahmenDrucken);
    EXPECT_EQ(p.strRahmenDruckFarbe, "255");
    EXPECT_EQ(m_mdi->fensterStatus(), 0);
    EXPECT_EQ(m_mdi->normaleGeometrie(), QRect(300, 450, 15000, 9000));
}

TEST_F(EinstellungenTest, MaximisedAtExitStoresNormalGeometryAndState) {
    lauf([&] {
        m_mdi->geometrieSetzen(600, 600, 12000, 9000, 0);
        m_mdi->showMaximized();
    });
    EXPECT_EQ(lesen(kSchluesselMDI, "Status"), "2");
    EXPECT_EQ(lesen(kSchluesselMDI, "Breite"), "12000");
    starten(true);
    EXPECT_EQ(m_mdi->fensterStatus(), 2);
}

TEST_F(EinstellungenTest, FirstRunWithSiblingTakesItsFoldersAndRegistersItself) {
    setzen(kSchluesselSibling, "Botrel-Verz", QStringLiteral("C:\\Botrel"));
    setzen(kSchluesselSibling, "Botrel-Bilder-Verz", QStringLiteral("C:\\Botrel\\Bilder\\"));
    setzen(kSchluesselSibling, "Botrel-Editor-Verz", QStringLiteral("C:\\Editor\\"));
    setzen(kSchluesselEditor, "Botrel-Editor-Verz", QStringLiteral("C:\\Editor\\"));
    m_mdi = std::make_unique<MDI>();
    EinstellungenLaden(*m_mdi);
    EXPECT_EQ(P().strBotrelVerz, "C:\\Botrel\\"); // trailing separator added
    EXPECT_EQ(P().strBotrelBilderVerz, "C:\\Botrel\\Bilder\\");
    EXPECT_EQ(P().strBotrelEditorVerz, "C:\\Editor\\");
    const QString selbst = mitTrenner(P().strSorvoVerz);
    EXPECT_EQ(lesen(kSchluesselSibling, "Sorvo-Verz"), selbst);
    EXPECT_EQ(lesen(kSchluesselEditor, "Sorvo-Verz"), selbst);
}

TEST_F(EinstellungenTest, FirstRunWithoutSiblingWritesBlanksAndTouchesNoSiblingKey) {
    lauf([] {});
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Verz"), " ");
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Bilder-Verz"), " ");
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Editor-Verz"), " ");
    EXPECT_EQ(lesen(kSchluesselSibling, "Sorvo-Verz"), "<fehlt>");
    EXPECT_EQ(lesen(kSchluesselEditor, "Sorvo-Verz"), "<fehlt>");
}

TEST_F(EinstellungenTest, StoredBlankIsAnEmptyFolderAndStaysABlank) {
    setzen(kSchluesselPfade, "Sorvo-Verz", QStringLiteral("/opt/sorvo"));
    setzen(kSchluesselPfade, "Botrel-Bilder-Verz", QStringLiteral(" "));
    // The sibling's value must not replace the stored blank of a later run.
    setzen(kSchluesselSibling, "Botrel-Bilder-Verz", QStringLiteral("C:\\Andere\\"));
    lauf([&] { EXPECT_TRUE(P().strBotrelBilderVerz.isEmpty()); });
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Bilder-Verz"), " ");
}

TEST_F(EinstellungenTest, ValuesThatDoNotConvertFallBackToTheirDefaults) {
    setzen(kSchluesselMDI, "Hoehe", QStringLiteral("hoch"));
    setzen(kSchluesselMDI, "Breite", QStringLiteral("12x"));
    setzen(kSchluesselMDI, "Status", QStringLiteral("7"));
    setzen(kSchluesselOptionen, "blnAenderungSpeichern", QStringLiteral("vielleicht"));
    setzen(kSchluesselOptionen, "blnRahmenDrucken", QStringLiteral("true"));
    m_mdi = std::make_unique<MDI>();
    EinstellungenLaden(*m_mdi);
    EXPECT_EQ(m_mdi->fensterStatus(), 2);
    EXPECT_EQ(m_mdi->normaleGeometrie().size(), QSize(19320, 14520));
    EXPECT_FALSE(P().blnAenderungSpeichern);
    EXPECT_TRUE(P().blnRahmenDrucken);
}

// The names of the values the program writes at its end in its own keys.
bool eigenerWert(const QByteArray& zeile) {
    for (const char* name :
         {"Sorvo-Verz=", "Botrel-Verz=", "Botrel-Bilder-Verz=", "Botrel-Editor-Verz=", "Hoehe=",
          "Breite=", "Links=", "Oben=", "Status=", "blnVorlageVordergrund=",
          "blnAenderungSpeichern=", "blnWerkzeugFensterFolgt=", "blnRahmenDrucken=",
          "strRahmenDruckFarbe=", "Version="})
        if (zeile.startsWith(name))
            return true;
    // The printer chosen in the set-up.
    for (const char* name : {"Drucker=", "PDF=", "PDF-Datei=", "PDF-Ordner=", "Papierbreite=",
                             "Papierhoehe=", "Ausrichtung="})
        if (zeile.startsWith(name))
            return true;
    return zeile.startsWith("[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\");
}

// The file without the lines of the program's own values and keys: what no
// run of the program may change.
QByteArray fremdeZeilen(const QByteArray& datei) {
    QByteArray rest;
    for (qsizetype anfang = 0; anfang < datei.size();) {
        qsizetype ende = datei.indexOf('\n', anfang);
        ende = ende < 0 ? datei.size() : ende + 1;
        const QByteArray zeile = datei.mid(anfang, ende - anfang);
        if (!eigenerWert(zeile))
            rest += zeile;
        anfang = ende;
    }
    return rest;
}

QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(EinstellungenTest, BadSettingsFilesStillShowTheMainWindowAndLoseNothing) {
    const QByteArray pfade = "[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\Pfade]\n";
    const QByteArray mdi = "[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\MDI]\n";
    const QByteArray fremd = "[HKEY_LOCAL_MACHINE\\\\Software\\\\Fremd]\n";
    QByteArray kurzeZeilen = fremd;
    for (int i = 0; kurzeZeilen.size() < (10 << 20); ++i)
        kurzeZeilen += "w" + QByteArray::number(i) + "=" + QByteArray::number(i % 97) + "\n";
    QByteArray crlf = pfade + "Sorvo-Verz=/opt/sorvo\nBotrel-Bilder-Verz=/bilder/\n" + mdi +
                      "Status=0\nLinks=150\nFremd=x\n";
    crlf.replace("\n", "\r\n");
    const QByteArray riesig = "2147483647\n";

    enum class Ort { Datei, Ordner, Schreibgeschuetzt };
    const struct {
        const char* was;
        QByteArray datei;
        Ort ort;
        std::function<void()> pruefen;
    } faelle[] = {
        {"10 MB of short lines", pfade + "Sorvo-Verz=/opt/sorvo\n" + kurzeZeilen, Ort::Datei,
         [] {}},
        {"one line of 10 MB",
         pfade + "Sorvo-Verz=/opt/sorvo\nBotrel-Verz=" + QByteArray(10 << 20, 'x') + "\n" + mdi +
             "Status=0\n",
         Ort::Datei, [] { EXPECT_TRUE(P().strBotrelVerz.isEmpty()); }},
        {"invalid UTF-8 in another entry",
         pfade + "Sorvo-Verz=/opt/sorvo\nFremd-Verz=G\xe4rten\xff\xfe\n" + fremd + "\x80=\xc3\n",
         Ort::Datei, [] {}},
        {"CR LF", crlf, Ort::Datei, [] { EXPECT_EQ(P().strBotrelBilderVerz, "/bilder/"); }},
        {"a folder in place of the file",
         {},
         Ort::Ordner,
         [] { EXPECT_EQ(P().strBotrelBilderVerz, ""); }},
        {"an unwritable folder",
         pfade + "Sorvo-Verz=/opt/sorvo\nBotrel-Bilder-Verz=/bilder/\n" + mdi + "Status=0\n",
         Ort::Schreibgeschuetzt, [] { EXPECT_EQ(P().strBotrelBilderVerz, "/bilder/"); }},
        {"huge geometry",
         mdi + "Status=0\nLinks=" + riesig + "Oben=" + riesig + "Breite=" + riesig +
             "Hoehe=" + riesig,
         Ort::Datei, [] {}},
        {"huge geometry below and left of every screen",
         mdi + "Status=0\nLinks=-2147483648\nOben=-2147483648\nBreite=" + riesig +
             "Hoehe=" + riesig,
         Ort::Datei, [] {}},
    };
    int nr = 0;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        const QString ordner = m_dir.filePath(QStringLiteral("fall%1").arg(++nr));
        const QString datei = ordner + QStringLiteral("/registry.txt");
        ASSERT_TRUE(QDir().mkpath(f.ort == Ort::Ordner ? datei : ordner));
        if (f.ort != Ort::Ordner) {
            QFile out(datei);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            ASSERT_EQ(out.write(f.datei), f.datei.size());
        }
        qputenv("SORVO_REGISTRY", datei.toUtf8());
        std::optional<OhneSchreibrecht> gesperrt;
        if (f.ort == Ort::Schreibgeschuetzt) {
            gesperrt.emplace(ordner, datei);
            ASSERT_TRUE(gesperrt->wirkt());
        }

        lauf([&] {
            EXPECT_TRUE(m_mdi->isVisible());
            // The window's normal place lies on a screen, its top left corner
            // inside that screen's free area.
            const QRect g =
                m_mdi->normalGeometry().isValid() ? m_mdi->normalGeometry() : m_mdi->geometry();
            const QScreen* schirm = QGuiApplication::screenAt(g.topLeft());
            ASSERT_NE(schirm, nullptr) << g.x() << "," << g.y();
            EXPECT_TRUE(schirm->availableGeometry().contains(g.topLeft()));
            EXPECT_LE(g.width(), std::max(schirm->availableGeometry().width(), 19320 / 15));
            EXPECT_LE(g.height(), std::max(schirm->availableGeometry().height(), 14520 / 15));
            f.pruefen();
        });
        gesperrt.reset();

        switch (f.ort) {
        case Ort::Datei:
            EXPECT_EQ(fremdeZeilen(inhalt(datei)), fremdeZeilen(f.datei));
            EXPECT_EQ(lesen(kSchluesselPfade, "Sorvo-Verz"), programmOrdner());
            break;
        case Ort::Ordner:
            EXPECT_TRUE(QFileInfo(datei).isDir());
            break;
        case Ort::Schreibgeschuetzt:
            EXPECT_EQ(inhalt(datei), f.datei);
            break;
        }
    }
}

TEST_F(EinstellungenTest, OptionsDialogAppliesOnOkOnly) {
    starten();
    P().blnAenderungSpeichern = false;
    {
        frmMDIOptionen d;
        EXPECT_EQ(d.windowTitle(), "Optionen");
        EXPECT_EQ(d.chkAenderung->text(),
                  "Abfragen ob geänderte Schilder gespeichert werden sollen");
        EXPECT_FALSE(d.chkAenderung->isChecked());
        d.chkAenderung->setChecked(true);
        d.chkWZFolgt->setChecked(true);
        d.close(); // close box: nothing taken over
    }
    EXPECT_FALSE(P().blnAenderungSpeichern);
    EXPECT_FALSE(P().blnWerkzeugFensterFolgt);
    frmMDIOptionen d;
    d.chkAenderung->setChecked(true);
    d.chkFokusVorlage->setChecked(true);
    d.cmdOK_Click();
    EXPECT_TRUE(P().blnAenderungSpeichern);
    EXPECT_TRUE(P().blnVorlageVordergrund);
    EXPECT_FALSE(P().blnWerkzeugFensterFolgt);
}

} // namespace
} // namespace sorvo::test
