// The tool window's number boxes: what typing and pasting let in, and Enter
// and focus loss as two triggers.
#include "tools/zahlenfeld.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace sorvo {
namespace {

class NumberBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        piepenSetzen([this] { ++m_pieptoene; });
    }
    void TearDown() override { piepenSetzen({}); }

    void taste(int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent druck(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(&m_feld, &druck);
        QKeyEvent los(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(&m_feld, &los);
    }
    void tippen(const QString& zeichen) {
        for (const QChar c : zeichen)
            taste(c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_unknown, QString(c));
    }

    ZahlenFeld m_feld;
    int m_pieptoene = 0;
};

struct TastenFall {
    const char* name;
    int key;
    const char* text;
    Qt::KeyboardModifiers mods;
    const char* danach; // box text after the key, starting from "12"
    int pieptoene;
};

TEST_F(NumberBoxTest, OnlyDigitsAndBackspaceGetIn) {
    const TastenFall faelle[] = {
        {"digit", Qt::Key_7, "7", Qt::NoModifier, "127", 0},
        {"backspace", Qt::Key_Backspace, "\b", Qt::NoModifier, "1", 0},
        {"letter", Qt::Key_A, "a", Qt::NoModifier, "12", 1},
        {"blank", Qt::Key_Space, " ", Qt::NoModifier, "12", 1},
        {"minus", Qt::Key_Minus, "-", Qt::NoModifier, "12", 1},
        {"decimal comma", Qt::Key_Comma, ",", Qt::NoModifier, "12", 1},
        {"decimal point", Qt::Key_Period, ".", Qt::NoModifier, "12", 1},
        {"escape", Qt::Key_Escape, "\x1b", Qt::NoModifier, "12", 1},
        {"shifted digit key", Qt::Key_Exclam, "!", Qt::ShiftModifier, "12", 1},
        {"ctrl+v", Qt::Key_V, "\x16", Qt::ControlModifier, "12", 1},
        {"ctrl+a", Qt::Key_A, "\x01", Qt::ControlModifier, "12", 1},
        {"ctrl+z", Qt::Key_Z, "\x1a", Qt::ControlModifier, "12", 1},
        {"ctrl+backspace", Qt::Key_Backspace, "\x7f", Qt::ControlModifier, "12", 1},
        // Keys that type nothing are no characters: they move as usual.
        {"arrow left", Qt::Key_Left, "", Qt::NoModifier, "12", 0},
        {"home", Qt::Key_Home, "", Qt::NoModifier, "12", 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        m_feld.setText(QStringLiteral("12"));
        m_feld.setCursorPosition(2);
        m_pieptoene = 0;
        taste(f.key, QString::fromLatin1(f.text), f.mods);
        EXPECT_EQ(m_feld.text(), QString::fromLatin1(f.danach));
        EXPECT_EQ(m_pieptoene, f.pieptoene);
    }
}

TEST_F(NumberBoxTest, ArrowKeyMovesTheInsertionPoint) {
    m_feld.setText(QStringLiteral("12"));
    m_feld.setCursorPosition(2);
    taste(Qt::Key_Left, QString());
    tippen(QStringLiteral("5"));
    EXPECT_EQ(m_feld.text(), QStringLiteral("152"));
    EXPECT_EQ(m_pieptoene, 0);
}

TEST_F(NumberBoxTest, EnterAndFocusLossAreTwoSignals) {
    int enter = 0;
    int verlassen = 0;
    QObject::connect(&m_feld, &ZahlenFeld::eingabe, [&] { ++enter; });
    QObject::connect(&m_feld, &ZahlenFeld::fokusVerloren, [&] { ++verlassen; });
    tippen(QStringLiteral("200"));
    taste(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(enter, 1);
    EXPECT_EQ(verlassen, 0);
    taste(Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
    EXPECT_EQ(enter, 2);
    EXPECT_EQ(verlassen, 0);
    // Ctrl+Enter types a line feed, which is dropped.
    taste(Qt::Key_Return, QStringLiteral("\n"), Qt::ControlModifier);
    EXPECT_EQ(enter, 2);
    EXPECT_EQ(m_pieptoene, 1);
    m_pieptoene = 0;
    // Enter is applied, not typed, and gives no beep.
    EXPECT_EQ(m_feld.text(), QStringLiteral("200"));
    EXPECT_EQ(m_pieptoene, 0);

    const std::pair<Qt::FocusReason, int> gruende[] = {
        {Qt::MouseFocusReason, 1},
        {Qt::TabFocusReason, 1},
        {Qt::OtherFocusReason, 1},
        // The program as a whole lost the focus, or the box's own menu opened.
        {Qt::ActiveWindowFocusReason, 0},
        {Qt::PopupFocusReason, 0},
    };
    for (const auto& [grund, anzahl] : gruende) {
        SCOPED_TRACE(static_cast<int>(grund));
        verlassen = 0;
        QFocusEvent aus(QEvent::FocusOut, grund);
        QApplication::sendEvent(&m_feld, &aus);
        EXPECT_EQ(verlassen, anzahl);
    }
    EXPECT_EQ(enter, 2);
}

TEST_F(NumberBoxTest, PasteTakesOnlyDigits) {
    struct Fall {
        const char* ablage;
        const char* danach;
        int pieptoene;
    };
    const Fall faelle[] = {
        {"45", "1245", 0}, {"4a", "12", 1}, {"-3", "12", 1}, {" 7", "12", 1}, {"2,5", "12", 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.ablage);
        m_feld.setText(QStringLiteral("12"));
        m_feld.setCursorPosition(2);
        m_pieptoene = 0;
        QApplication::clipboard()->setText(QString::fromLatin1(f.ablage));
        // Shift+Insert pastes without typing a character.
        taste(Qt::Key_Insert, QString(), Qt::ShiftModifier);
        EXPECT_EQ(m_feld.text(), QString::fromLatin1(f.danach));
        EXPECT_EQ(m_pieptoene, f.pieptoene);
    }
}

TEST_F(NumberBoxTest, MinusWrittenByTheProgramStays) {
    // A text moved left of the label's edge shows "-1".
    m_feld.setText(QStringLiteral("-1"));
    m_feld.setCursorPosition(2);
    tippen(QStringLiteral("5"));
    EXPECT_EQ(m_feld.text(), QStringLiteral("-15"));
    taste(Qt::Key_Backspace, QStringLiteral("\b"));
    taste(Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(m_feld.text(), QStringLiteral("-"));
    EXPECT_EQ(m_pieptoene, 0);
    // Once gone, a minus cannot come back by pasting.
    m_feld.setText(QStringLiteral("3"));
    m_feld.setCursorPosition(0);
    QApplication::clipboard()->setText(QStringLiteral("-"));
    taste(Qt::Key_Insert, QString(), Qt::ShiftModifier);
    EXPECT_EQ(m_feld.text(), QStringLiteral("3"));
    EXPECT_EQ(m_pieptoene, 1);
}

} // namespace
} // namespace sorvo
