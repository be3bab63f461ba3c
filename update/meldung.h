#pragma once
// The updater's messages all go through one replaceable seam: the program
// shows a message box, a test puts in one that records and answers.
#include <QString>

namespace sorvo::update {

// The icon of a message, as the classic style value.
namespace Symbol {
inline constexpr int Ausrufezeichen = 48;
inline constexpr int Information = 64;
} // namespace Symbol

class Meldungen {
public:
    virtual ~Meldungen() = default;
    // Shows text (CR breaks a line) with an OK button until it is confirmed.
    virtual void meldung(const QString& text, int symbol, const QString& titel) = 0;
};

// The seam in use; before any is set, the message box.
Meldungen& meldungen();
// Sets another (not owned); nullptr goes back to the message box. Returns
// the one set before.
Meldungen* meldungenSetzen(Meldungen* m);

} // namespace sorvo::update
