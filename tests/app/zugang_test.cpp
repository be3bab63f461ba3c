// What assistive technology finds in a label window: its texts, data fields
// and pictures as children of the window, asked for through Qt's
// accessibility interfaces as a screen reader asks.
#include "label/frmLabel.h"
#include "tests/app/maus_fixture.h"
#include "tests/label/schild_fixture.h"

#include <QAccessible>
#include <QImage>

namespace sorvo::test {
namespace {

using ZugangTest = SchildMausTest;

TEST_F(ZugangTest, ElementsAreChildrenOfTheLabelWindowWithNameAndPlace) {
    textAnlegen(m_n, QStringLiteral("Rose\r\nrot"), 10, 5);
    Beschriftung& weg = textAnlegen(m_n, QStringLiteral("gelöscht"), 10, 50);
    m_f->TextLoeschen(S(m_n).lngAktuellerText);
    ASSERT_FALSE(weg.Visible());
    ASSERT_TRUE(m_f->DatenfeldNeu());
    Beschriftung& feld = m_f->lblDatenfeld(S(m_n).lngAktuellesDatenfeld);
    feld.setCaption(QStringLiteral("<Höhe>"));
    feld.setLeft(10);
    feld.setTop(30);
    feld.setVisible(true);
    const QString pfad = m_dir.filePath(QStringLiteral("Rosa canina.png"));
    QImage png(20, 15, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(png.save(pfad));
    ASSERT_TRUE(m_f->BildNeu());
    const int32_t j = S(m_n).lngAktuellesBild;
    Bild& bild = m_f->imgBild(j);
    bild.setPicture(png);
    m_f->BildPfadSchreiben(j, pfad);
    bild.setLeft(60);
    bild.setTop(10);
    bild.setWidth(20);
    bild.setHeight(15);
    bild.setVisible(true);

    QAccessibleInterface* fenster = QAccessible::queryAccessibleInterface(m_f);
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->role(), QAccessible::Window);
    EXPECT_EQ(fenster->text(QAccessible::Name), m_f->Caption());

    // In reading order, top to bottom; the deleted text is not there.
    const struct {
        Steuerelement* element;
        QAccessible::Role rolle;
        const char* name;
        const char* art;
    } kinder[] = {
        {&m_f->lblText(1), QAccessible::StaticText, "Rose rot", "Text"},
        {&bild, QAccessible::Graphic, "Rosa canina.png", "Bild"},
        {&feld, QAccessible::StaticText, "<Höhe>", "Datenfeld"},
    };
    ASSERT_EQ(fenster->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& k = kinder[i];
        QAccessibleInterface* c = fenster->child(i);
        ASSERT_NE(c, nullptr);
        ASSERT_TRUE(c->isValid());
        EXPECT_EQ(c->role(), k.rolle);
        EXPECT_EQ(c->text(QAccessible::Name), QString::fromUtf8(k.name));
        EXPECT_EQ(c->text(QAccessible::Description), QString::fromUtf8(k.art));
        EXPECT_EQ(c->parent(), fenster);
        EXPECT_EQ(fenster->indexOfChild(c), i);
        EXPECT_EQ(fenster->child(i), c); // the same interface when asked again
        // On the screen where the window draws the element.
        const QRect soll = QRectF(pixel(k.element->Left(), k.element->Top()),
                                  pixel(k.element->Left() + k.element->Width(),
                                        k.element->Top() + k.element->Height()))
                               .toAlignedRect()
                               .translated(flaeche()->mapToGlobal(QPoint(0, 0)));
        EXPECT_EQ(c->rect(), soll);
        EXPECT_FALSE(c->state().invisible);
        EXPECT_EQ(fenster->childAt(soll.center().x(), soll.center().y()), c);
    }

    // A picture moved past what the window shows is there, but off screen.
    bild.setLeft(500);
    ASSERT_EQ(fenster->childCount(), 3);
    QAccessibleInterface* weit = fenster->child(1);
    EXPECT_EQ(weit->text(QAccessible::Name), "Rosa canina.png");
    EXPECT_TRUE(weit->state().offscreen);
    EXPECT_FALSE(fenster->child(0)->state().offscreen);
}

} // namespace
} // namespace sorvo::test
