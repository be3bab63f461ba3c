#include "app/frmStart.h"

#include "app/MDI.h"
#include "label/programm.h"
#include "platform/bilder.h"
#include "platform/system.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace sorvo {

namespace {
std::unique_ptr<EinzelInstanz> g_instanz;
}

EinzelInstanz* laufendeInstanz() {
    return g_instanz.get();
}

frmStart::frmStart(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    startbild = new QLabel(this);
    startbild->setPixmap(startBild());
    startbild->adjustSize();
    startbild->installEventFilter(this);
    Timer1.setInterval(5000);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

frmStart::~frmStart() = default;

bool frmStart::Form_Load(const QString& instanzName) {
    auto instanz = std::make_unique<EinzelInstanz>(instanzName);
    if (!instanz->erworben())
        return false;
    g_instanz = std::move(instanz);
    const Version v = programmVersion();
    P().strVersion = QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
    resize(startbild->size());
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
    Timer1.start();
    return true;
}

void frmStart::startbild_Click() {
    Timer1.stop();
    hide();
    m_mdi = new MDI;
    m_mdi->setAttribute(Qt::WA_DeleteOnClose);
    m_mdi->MDIForm_Load();
    m_mdi->show();
    close();
}

void frmStart::Timer1_Timer() {
    if (isVisible())
        startbild_Click();
}

bool frmStart::eventFilter(QObject* o, QEvent* e) {
    if (o == startbild && e->type() == QEvent::MouseButtonRelease && isVisible()) {
        startbild_Click();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

} // namespace sorvo
