#pragma once
// The program's own help window: German HTML pages in a folder beside the
// program, shown in a small browser window. Links between the pages are
// followed inside it; a page that is not there is named in a message page
// instead of leaving the window blank.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace sorvo {

// The page shown when no topic is asked for.
inline const QString kHilfeStartseite = QStringLiteral("index.htm");

class HilfeFenster : public QWidget {
    Q_OBJECT
public:
    explicit HilfeFenster(QWidget* parent = nullptr);

    // Shows page thema of the help folder ordner (empty: the start page),
    // and brings the window to the front.
    void zeigen(const QString& ordner, const QString& thema);

    // The file name of the page shown, also when it is missing.
    QString seite() const;
    // True while the message for a missing page is shown.
    bool seiteFehlt() const;

    QTextBrowser* txtHilfe;
};

// The help window, or nullptr while none is open.
HilfeFenster* hilfeFenster();

} // namespace sorvo
