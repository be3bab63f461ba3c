#include "label/zugang.h"

#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/canvas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <map>
#include <vector>

namespace sorvo {

namespace {

// The elements a user sees on the window, in reading order: top to bottom,
// then left to right.
std::vector<Steuerelement*> sichtbareElemente(const frmLabel& f) {
    std::vector<Steuerelement*> v;
    for (Steuerelement* e : f.flaeche()->stapel())
        if (e->Visible() && f.elementVon(e).first != 0)
            v.push_back(e);
    std::stable_sort(v.begin(), v.end(), [](const Steuerelement* a, const Steuerelement* b) {
        return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
    });
    return v;
}

// One element. Elements are no widgets; the window keeps their controls
// for as long as it lives, so the interface is valid as long as the window.
class ElementZugang final : public QAccessibleInterface {
public:
    ElementZugang(frmLabel* f, Steuerelement* e) : m_f(f), m_e(e) {}

    bool isValid() const override { return !m_f.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_f ? m_f->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_f ? QAccessible::queryAccessibleInterface(m_f.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!m_f)
            return {};
        const auto [art, index] = m_f->elementVon(m_e);
        switch (t) {
        case QAccessible::Name:
            if (art == ArtBild)
                return DateinameAusPfad(m_f->BildPfadLesen(index));
            // One line: a label's line breaks read as blanks.
            return static_cast<const Beschriftung*>(m_e)->Caption().simplified();
        case QAccessible::Description:
            return art == ArtBild        ? QStringLiteral("Bild")
                   : art == ArtDatenfeld ? QStringLiteral("Datenfeld")
                                         : QStringLiteral("Text");
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!m_f)
            return {};
        return flaechenRechteck().toAlignedRect().translated(
            m_f->flaeche()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override {
        return m_e->art() == Steuerelement::Art::Bild ? QAccessible::Graphic
                                                      : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!m_f)
            return s;
        s.invisible = !m_e->Visible() || !m_f->isVisible();
        s.disabled = !m_e->Enabled() || !m_f->isEnabled();
        // Beyond what the window shows of the label.
        s.offscreen = !flaechenRechteck().intersects(QRectF(m_f->flaeche()->rect()));
        return s;
    }

private:
    // The element's place in pixels of the window's drawing area.
    QRectF flaechenRechteck() const {
        const double px = m_f->flaeche()->pixelProMm();
        return {m_e->Left() * px, m_e->Top() * px, m_e->Width() * px, m_e->Height() * px};
    }

    QPointer<frmLabel> m_f;
    Steuerelement* m_e;
};

// The label window with its elements as its children.
class SchildZugang final : public QAccessibleWidget {
public:
    explicit SchildZugang(frmLabel* f) : QAccessibleWidget(f, QAccessible::Window) {}
    ~SchildZugang() override {
        for (const auto& [e, id] : m_kinder)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return schild()->Caption();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override {
        return static_cast<int>(sichtbareElemente(*schild()).size());
    }
    QAccessibleInterface* child(int i) const override {
        const auto v = sichtbareElemente(*schild());
        if (i < 0 || i >= static_cast<int>(v.size()))
            return nullptr;
        return zugang(v[static_cast<size_t>(i)]);
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        const auto v = sichtbareElemente(*schild());
        for (size_t i = 0; i < v.size(); ++i) {
            const auto it = m_kinder.find(v[i]);
            if (it != m_kinder.end() && QAccessible::accessibleInterface(it->second) == kind)
                return static_cast<int>(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const ElementCanvas* c = schild()->flaeche();
        const QPointF mm = c->zuMm(QPointF(c->mapFromGlobal(QPoint(x, y))));
        const auto v = sichtbareElemente(*schild());
        // The topmost element at the point, as the mouse finds it.
        for (auto it = c->stapel().rbegin(); it != c->stapel().rend(); ++it)
            if (std::find(v.begin(), v.end(), *it) != v.end() && (*it)->enthaelt(mm))
                return zugang(*it);
        return nullptr;
    }

private:
    frmLabel* schild() const { return static_cast<frmLabel*>(widget()); }

    QAccessibleInterface* zugang(Steuerelement* e) const {
        auto it = m_kinder.find(e);
        if (it == m_kinder.end())
            it = m_kinder
                     .emplace(e, QAccessible::registerAccessibleInterface(
                                     new ElementZugang(schild(), e)))
                     .first;
        return QAccessible::accessibleInterface(it->second);
    }

    // One interface per element for as long as the window's lives.
    mutable std::map<const Steuerelement*, QAccessible::Id> m_kinder;
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("sorvo::frmLabel"))
        if (auto* f = qobject_cast<frmLabel*>(objekt))
            return new SchildZugang(f);
    return nullptr;
}

} // namespace

void schildZugangEinrichten() {
    static const bool eingerichtet = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    (void)eingerichtet;
}

} // namespace sorvo
