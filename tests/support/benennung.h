#pragma once
// What assistive technology reads in a window: a caption names the control
// it stands beside, and the control is read under the caption's text.
#include <QLabel>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>
#include <initializer_list>

namespace sorvo::test {

// The caption whose buddy is the control, among the window's labels.
inline const QLabel* beschriftungVon(const QWidget& fenster, const QWidget* control) {
    for (const QLabel* l : fenster.findChildren<QLabel*>())
        if (l->buddy() == control)
            return l;
    return nullptr;
}

struct Benennung {
    const QWidget* control;
    const char* name; // the caption's object name; "" for a caption without one
    QString text;
};

// Each control has its caption beside it (same parent), named and worded as
// given, and is read under that text.
inline void benennungenPruefen(const QWidget& fenster, std::initializer_list<Benennung> faelle) {
    for (const Benennung& b : faelle) {
        SCOPED_TRACE(b.text.toStdString());
        ASSERT_NE(b.control, nullptr);
        const QLabel* l = beschriftungVon(fenster, b.control);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->objectName(), QString::fromLatin1(b.name));
        EXPECT_EQ(l->text(), b.text);
        EXPECT_EQ(l->parentWidget(), b.control->parentWidget());
        EXPECT_EQ(b.control->accessibleName(), b.text);
    }
}

} // namespace sorvo::test
