#include "platform/zugang.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

namespace sorvo {
namespace {

// What a widget tells assistive technology, kept as its child.
class Zugangsangaben final : public QObject {
public:
    Zugangsangaben(QWidget& w, QAccessible::Role r) : QObject(&w), rolle(r) {
        setObjectName(QString::fromLatin1(kName));
    }
    static constexpr const char* kName = "sorvoZugang";
    QAccessible::Role rolle;
    std::function<void()> druecken;
};

class Zugang final : public QAccessibleWidget {
public:
    Zugang(QWidget* w, Zugangsangaben* a) : QAccessibleWidget(w, a->rolle), m_angaben(a) {}

    QStringList actionNames() const override {
        QStringList namen = QAccessibleWidget::actionNames();
        if (m_angaben && m_angaben->druecken && !namen.contains(pressAction()))
            namen << pressAction();
        return namen;
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && m_angaben && m_angaben->druecken) {
            if (widget()->isEnabled())
                m_angaben->druecken();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    QPointer<Zugangsangaben> m_angaben;
};

// The class declares no meta object of its own: it is found by its name.
Zugangsangaben* von(const QObject& o) {
    return dynamic_cast<Zugangsangaben*>(o.findChild<QObject*>(
        QString::fromLatin1(Zugangsangaben::kName), Qt::FindDirectChildrenOnly));
}

QAccessibleInterface* fabrik(const QString&, QObject* o) {
    if (!o || !o->isWidgetType())
        return nullptr;
    Zugangsangaben* a = von(*o);
    return a ? new Zugang(static_cast<QWidget*>(o), a) : nullptr;
}

Zugangsangaben& angaben(QWidget& w, QAccessible::Role rolle) {
    static const bool eingerichtet = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    (void)eingerichtet;
    Zugangsangaben* a = von(w);
    if (!a)
        a = new Zugangsangaben(w, rolle);
    a->rolle = rolle;
    // An interface made before (a name or title set earlier announces
    // itself) still has the class's role: it goes, and the next one asked
    // for is ours.
    if (QAccessibleInterface* alt = QAccessible::queryAccessibleInterface(&w))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(alt));
    return *a;
}

} // namespace

void zugangsRolleSetzen(QWidget& w, QAccessible::Role rolle) {
    angaben(w, rolle);
}

void alsKnopfZugaenglich(QWidget& w, std::function<void()> druecken) {
    angaben(w, QAccessible::Button).druecken = std::move(druecken);
}

} // namespace sorvo
