// Shared main of the test programs: a headless application, a registry file
// of the test program's own, and no real modal window ever.
#include "platform/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Any question that a test did not script fails the test instead of blocking.
class KeineDialoge : public sorvo::DialogService {
    void fail(const char* art, const QString& text) {
        ADD_FAILURE() << "unscripted " << art << ": " << text.toStdString();
    }

public:
    sorvo::Antwort meldung(const QString& text, int, const QString&) override {
        fail("message box", text);
        return sorvo::Antwort::Cancel;
    }
    std::optional<QString> dateiOeffnen(const sorvo::DateiAuswahl& a) override {
        fail("open dialog", a.titel);
        return std::nullopt;
    }
    std::optional<QString> dateiSpeichern(const sorvo::DateiAuswahl& a) override {
        fail("save dialog", a.titel);
        return std::nullopt;
    }
    std::optional<QString> ordnerWaehlen(const QString& t, const QString&) override {
        fail("folder dialog", t);
        return std::nullopt;
    }
    std::optional<sorvo::Farbe> farbeWaehlen(sorvo::Farbe) override {
        fail("colour dialog", {});
        return std::nullopt;
    }
    bool druckerWaehlen(QPrinter&, bool) override {
        fail("printer dialog", {});
        return false;
    }
    std::optional<QString> eingabe(const QString& f, const QString&, const QString&) override {
        fail("input box", f);
        return std::nullopt;
    }
    int fensterModal(QDialog& d) override {
        fail("modal window", d.windowTitle());
        return QDialog::Rejected;
    }
};
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir registryOrdner;
    if (qEnvironmentVariableIsEmpty("SORVO_REGISTRY_KEEP"))
        qputenv("SORVO_REGISTRY", (registryOrdner.path() + "/registry.txt").toUtf8());
    QApplication app(argc, argv);
    // Qt's own dialogs and buttons in German, as the program has them.
    sorvo::qtUebersetzungLaden();
    ::testing::InitGoogleTest(&argc, argv);
    KeineDialoge keine;
    sorvo::dialogeSetzen(&keine);
    const int rc = RUN_ALL_TESTS();
    sorvo::dialogeSetzen(nullptr);
    return rc;
}
