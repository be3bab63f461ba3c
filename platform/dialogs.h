#pragma once
// Every modal question of the program goes through one replaceable service:
// message boxes, file and folder choice, colour, printer and input boxes.
// The program installs the Qt implementation; tests install a scripted one
// that answers in order and records what was shown.
#include "platform/colour.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QDialog;
class QInputDialog;
class QMessageBox;
class QObject;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace sorvo {

// Message box style: buttons plus icon, added like the classic style values
// (35 = Yes/No/Cancel with the question icon).
namespace Msg {
inline constexpr int OK = 0;
inline constexpr int OKCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
} // namespace Msg

enum class Antwort { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct DateiAuswahl {
    QString titel;
    QString ordner;     // initial folder
    QString dateiname;  // initial file name (may be a full path)
    QStringList filter; // "Vorlagen (*.vxp)", ...
    bool mussExistieren = false;
    bool ueberschreibenFragen = false;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // text may hold CR (13) line breaks; returns the button pressed, Cancel
    // (or OK for an OK-only box) when the box is closed.
    virtual Antwort meldung(const QString& text, int stil, const QString& titel) = 0;
    virtual std::optional<QString> dateiOeffnen(const DateiAuswahl& a) = 0;
    virtual std::optional<QString> dateiSpeichern(const DateiAuswahl& a) = 0;
    virtual std::optional<QString> ordnerWaehlen(const QString& titel, const QString& start) = 0;
    virtual std::optional<Farbe> farbeWaehlen(Farbe start) = 0;
    // Shows the printer choice (or its set-up form) for printer; true on OK.
    virtual bool druckerWaehlen(QPrinter& printer, bool einrichten) = 0;
    virtual std::optional<QString> eingabe(const QString& frage, const QString& titel,
                                           const QString& vorgabe) = 0;
    // Shows one of the program's own windows modally and returns its result
    // (QDialog::Accepted or Rejected) once it is closed.
    virtual int fensterModal(QDialog& fenster) = 0;
};

// The service in use. Before any is installed this is the Qt one.
DialogService& dialoge();
// Installs another service (not owned); nullptr goes back to the Qt one.
// Returns the service installed before.
DialogService* dialogeSetzen(DialogService* service);

// The program's own title for message boxes.
QString programmTitel();

// Asks whether the file at pfad, which is there, may be replaced; true for
// Yes.
bool ersetzenBestaetigt(const QString& pfad, const QString& titel);

// A dialog of fixed size: its title bar holds a close box only, no minimise
// or maximise button, whatever the platform would add by default; once
// shown it keeps the size its layout gives it.
void festerDialog(QWidget& fenster);

// The printer dialog the Qt service shows for printer: the print dialog, or
// its set-up form (printer or PDF file, copies and, under "Eigenschaften",
// paper and orientation; no page range). Both offer printing to a PDF file.
// Not yet shown; tests drive it without a modal loop.
std::unique_ptr<QPrintDialog> druckDialogErzeugen(QPrinter& printer, bool einrichten,
                                                  QWidget* parent);

// The message box and the input box the Qt service shows, not yet shown;
// tests look at them without a modal loop. Each button of the message box
// carries its answer, and the box the answer of closing it without a button
// (meldungsAntwort).
std::unique_ptr<QMessageBox> meldungsfensterErzeugen(const QString& text, int stil,
                                                     const QString& titel, QWidget* parent);
std::optional<Antwort> meldungsAntwort(const QObject* knopfOderBox);
std::unique_ptr<QInputDialog> eingabefensterErzeugen(const QString& frage, const QString& titel,
                                                     const QString& vorgabe, QWidget* parent);

// Installs Qt's German texts for its own dialogs and buttons (once); false
// when they are not installed.
bool qtUebersetzungLaden();

class QtDialoge : public DialogService {
public:
    Antwort meldung(const QString& text, int stil, const QString& titel) override;
    std::optional<QString> dateiOeffnen(const DateiAuswahl& a) override;
    std::optional<QString> dateiSpeichern(const DateiAuswahl& a) override;
    std::optional<QString> ordnerWaehlen(const QString& titel, const QString& start) override;
    std::optional<Farbe> farbeWaehlen(Farbe start) override;
    bool druckerWaehlen(QPrinter& printer, bool einrichten) override;
    std::optional<QString> eingabe(const QString& frage, const QString& titel,
                                   const QString& vorgabe) override;
    int fensterModal(QDialog& fenster) override;
};

} // namespace sorvo
