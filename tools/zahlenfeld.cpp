#include "tools/zahlenfeld.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace sorvo {

namespace {

bool nurZiffern(const QString& text, qsizetype ab) {
    for (qsizetype i = ab; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// Digits only; a leading minus only where the text had one before.
bool zulaessig(const QString& neu, const QString& vorher) {
    const bool minus = neu.startsWith(QLatin1Char('-'));
    if (minus && !vorher.startsWith(QLatin1Char('-')))
        return false;
    return nurZiffern(neu, minus ? 1 : 0);
}

} // namespace

ZahlenFeld::ZahlenFeld(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, &ZahlenFeld::bearbeitet);
}

bool ZahlenFeld::event(QEvent* e) {
    // Every change by the user comes from an event to the box (a key, a
    // drop, the context menu, a middle click); the text before it is the
    // one to go back to.
    m_zuletzt = text();
    return QLineEdit::event(e);
}

void ZahlenFeld::bearbeitet(const QString& neu) {
    if (zulaessig(neu, m_zuletzt))
        return;
    const int cursor = std::min<int>(cursorPosition(), static_cast<int>(m_zuletzt.size()));
    setText(m_zuletzt);
    setCursorPosition(cursor);
    piepen();
}

void ZahlenFeld::keyPressEvent(QKeyEvent* e) {
    const int taste = e->key();
    const bool enter = taste == Qt::Key_Return || taste == Qt::Key_Enter;
    // Ctrl with a letter, Backspace or Enter types a control character.
    const bool steuerzeichen =
        (e->modifiers() & Qt::ControlModifier) &&
        ((taste >= Qt::Key_A && taste <= Qt::Key_Z) || taste == Qt::Key_Backspace || enter);
    if (steuerzeichen) {
        e->accept();
        piepen();
        return;
    }
    if (enter) {
        e->accept();
        emit eingabe();
        return;
    }
    if (taste == Qt::Key_Backspace) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const QString text = e->text();
    // Keys that type nothing (arrows, Home, Delete, F keys) work as usual.
    if (text.isEmpty()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (text.size() == 1 && nurZiffern(text, 0)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    e->accept();
    piepen();
}

void ZahlenFeld::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    const Qt::FocusReason grund = e->reason();
    if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason)
        return;
    emit fokusVerloren();
}

} // namespace sorvo
