#include "platform/hilfe.h"

#include "platform/zugang.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace sorvo {

namespace {

QPointer<HilfeFenster> g_fenster;

// A page that is not there becomes a page that says so, with the way back
// to the start page when that one is there.
QString fehlseite(const QString& pfad) {
    const QFileInfo fi(pfad);
    const QString ordner = QDir::toNativeSeparators(fi.absolutePath());
    QString html = QStringLiteral("<html><head><title>Seite nicht gefunden</title></head><body>"
                                  "<h2>Hilfeseite nicht gefunden</h2>"
                                  "<p>Die Seite „%1“ der Sorvo-Hilfe ist nicht vorhanden.</p>"
                                  "<p>Die Hilfeseiten gehören in den Ordner „%2“ neben dem "
                                  "Programm. Fehlen sie dort, installieren Sie Sorvo bitte "
                                  "erneut.</p>")
                       .arg(fi.fileName().toHtmlEscaped(), ordner.toHtmlEscaped());
    if (fi.fileName() != kHilfeStartseite &&
        QFileInfo(fi.dir().filePath(kHilfeStartseite)).isFile())
        html += QStringLiteral("<p><a href=\"%1\">Zur Startseite der Hilfe</a></p>")
                    .arg(kHilfeStartseite);
    return html + QStringLiteral("</body></html>");
}

class HilfeBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    bool fehlt = false;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
            const QString pfad = name.toLocalFile();
            fehlt = !QFileInfo(pfad).isFile();
            if (fehlt)
                return fehlseite(pfad);
        }
        return QTextBrowser::loadResource(type, name);
    }
};

} // namespace

HilfeFenster* hilfeFenster() {
    return g_fenster.data();
}

HilfeFenster::HilfeFenster(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHilfe"));
    setWindowTitle(QStringLiteral("Sorvo-Hilfe"));
    zugangsRolleSetzen(*this, QAccessible::Window); // a window, not a plain widget
    // Closing the help alone never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    txtHilfe = new HilfeBrowser(this);
    txtHilfe->setObjectName(QStringLiteral("txtHilfe"));
    txtHilfe->setAccessibleName(QStringLiteral("Hilfeseite"));
    txtHilfe->setOpenExternalLinks(false);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(txtHilfe);
    resize(620, 540);
    g_fenster = this;
}

void HilfeFenster::zeigen(const QString& ordner, const QString& thema) {
    const QUrl url = QUrl::fromLocalFile(
        QDir(ordner).absoluteFilePath(thema.isEmpty() ? kHilfeStartseite : thema));
    // The same page again is read again: it may have been missing before.
    if (txtHilfe->source() == url)
        txtHilfe->reload();
    else
        txtHilfe->setSource(url);
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

QString HilfeFenster::seite() const {
    return QFileInfo(txtHilfe->source().toLocalFile()).fileName();
}

bool HilfeFenster::seiteFehlt() const {
    return static_cast<const HilfeBrowser*>(txtHilfe)->fehlt;
}

} // namespace sorvo
