#include "platform/ordner.h"

#include "platform/sortieren.h"
#include "platform/system.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTreeWidget>

namespace sorvo {

namespace {

constexpr int kPfadRolle = Qt::UserRole;
constexpr int kGeladenRolle = Qt::UserRole + 1;

QTreeWidgetItem* ordnerEintrag(const QString& name, const QString& pfad) {
    auto* e = new QTreeWidgetItem(QStringList(name));
    e->setData(0, kPfadRolle, pfad);
    // Whether it has subfolders is seen when it is opened.
    e->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return e;
}

bool liegtIn(const QString& pfad, const QString& wurzel) {
    if (wurzel.endsWith(QLatin1Char('/')))
        return pfad.startsWith(wurzel);
    return pfad == wurzel || pfad.startsWith(wurzel + QLatin1Char('/'));
}

std::function<void()>& piepFunktion() {
    static std::function<void()> f;
    return f;
}

bool gewoehnlicheDatei(const QFileInfo& fi) {
    return fi.isFile() && !fi.isHidden();
}

// The entry of ordner named name whatever its case: the exact name first,
// else the first in name order that differs only in case.
QString eintragFinden(const QString& ordner, const QString& name, QDir::Filters art) {
    if (QFileInfo::exists(pfadVerbinden(ordner, name)))
        return name;
    QStringList namen = QDir(ordner).entryList(art | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& n : namen)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return {};
}

} // namespace

QStringList laufwerke() {
    QStringList l;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        const QString wurzel = s.rootPath();
        if (s.isValid() && s.isReady() && QFileInfo(wurzel).isDir() && !l.contains(wurzel))
            l << wurzel;
    }
    if (!l.contains(QDir::rootPath()))
        l << QDir::rootPath();
    l.sort();
    return l;
}

void ordnerBaumEinrichten(QTreeWidget& baum) {
    baum.setHeaderHidden(true);
    QObject::connect(&baum, &QTreeWidget::itemExpanded, &baum,
                     [](QTreeWidgetItem* e) { unterordnerLaden(e); });
}

void unterordnerLaden(QTreeWidgetItem* eintrag) {
    if (eintrag->data(0, kGeladenRolle).toBool())
        return;
    eintrag->setData(0, kGeladenRolle, true);
    const QString pfad = eintrag->data(0, kPfadRolle).toString();
    QStringList namen = QDir(pfad).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    alphabetischSortieren(namen);
    for (const QString& n : namen)
        eintrag->addChild(ordnerEintrag(n, pfadVerbinden(pfad, n)));
    if (namen.isEmpty())
        eintrag->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

QString ordnerBaumPfad(const QTreeWidget& baum) {
    const QTreeWidgetItem* e = baum.currentItem();
    return e ? e->data(0, kPfadRolle).toString() : QString();
}

QString laufwerkVon(const QComboBox& laufwerk, const QString& ordner) {
    const QString ziel = QDir::cleanPath(QDir(ordner).absolutePath());
    QString wurzel;
    for (int i = 0; i < laufwerk.count(); ++i) {
        const QString r = laufwerk.itemText(i);
        if (liegtIn(ziel, r) && r.size() > wurzel.size())
            wurzel = r;
    }
    return wurzel;
}

void ordnerBaumSetzen(QComboBox& laufwerk, QTreeWidget& baum, const QString& ordner) {
    const QString ziel = QDir::cleanPath(QDir(ordner).absolutePath());
    const QString wurzel = laufwerkVon(laufwerk, ziel);
    if (wurzel.isEmpty())
        return;
    {
        const QSignalBlocker sperre(&laufwerk);
        laufwerk.setCurrentText(wurzel);
    }
    QTreeWidgetItem* eintrag = nullptr;
    {
        const QSignalBlocker sperre(&baum);
        baum.clear();
        eintrag = ordnerEintrag(wurzel, wurzel);
        baum.addTopLevelItem(eintrag);
        // Open the tree down to the folder, as far as it exists.
        const QStringList teile =
            ziel.mid(wurzel.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (const QString& teil : teile) {
            baum.expandItem(eintrag);
            unterordnerLaden(eintrag);
            QTreeWidgetItem* kind = nullptr;
            for (int i = 0; i < eintrag->childCount() && !kind; ++i)
                if (eintrag->child(i)->text(0) == teil)
                    kind = eintrag->child(i);
            if (!kind)
                break;
            eintrag = kind;
        }
    }
    baum.setCurrentItem(eintrag);
    baum.scrollToItem(eintrag);
}

QString dateiFinden(const QString& ordner, const QString& relativ, bool muster) {
    const QStringList teile =
        relativ.split(QRegularExpression(QStringLiteral("[/\\\\]")), Qt::SkipEmptyParts);
    if (teile.isEmpty())
        return {};
    QString pfad = ordner;
    for (qsizetype i = 0; i + 1 < teile.size(); ++i) {
        const QString n = eintragFinden(pfad, teile[i], QDir::Dirs);
        if (n.isEmpty() || !QFileInfo(pfadVerbinden(pfad, n)).isDir())
            return {};
        pfad = pfadVerbinden(pfad, n);
    }
    const QString name = teile.back();
    if (!muster) {
        const QString n = eintragFinden(pfad, name, QDir::Files);
        if (n.isEmpty())
            return {};
        const QString datei = pfadVerbinden(pfad, n);
        return gewoehnlicheDatei(QFileInfo(datei)) ? datei : QString();
    }
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(
                                    name, QRegularExpression::UnanchoredWildcardConversion)
                                    .prepend(QLatin1Char('^'))
                                    .append(QLatin1Char('$')),
                                QRegularExpression::CaseInsensitiveOption);
    const QFileInfoList dateien = QDir(pfad).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& fi : dateien)
        if (gewoehnlicheDatei(fi) && re.match(fi.fileName()).hasMatch())
            return fi.filePath();
    return {};
}

void piepen() {
    if (piepFunktion())
        piepFunktion()();
    else
        QApplication::beep();
}

void piepenSetzen(std::function<void()> piep) {
    piepFunktion() = std::move(piep);
}

} // namespace sorvo
