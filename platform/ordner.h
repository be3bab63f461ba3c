#pragma once
// Folders on disk as the program's own folder dialogs offer them: the
// mounted volumes in place of drives, a folder tree that reads a folder's
// subfolders when it is opened, and finding a file whatever the letter case
// of its name (the plant databases name files as a system that ignores case
// wrote them).
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace sorvo {

// The mounted volumes' root folders, sorted.
QStringList laufwerke();

// Sets up a tree widget as a folder tree: no header, subfolders read when
// a folder is opened.
void ordnerBaumEinrichten(QTreeWidget& baum);
// Reads the subfolders of a tree entry once.
void unterordnerLaden(QTreeWidgetItem* eintrag);
// The folder of the tree's current entry, or empty.
QString ordnerBaumPfad(const QTreeWidget& baum);
// Shows the volume that holds ordner in the volume list (without its
// change signal), rebuilds the tree for that volume opened down to the
// folder, as far as it exists, and makes that entry current (with the
// tree's change signal). A folder on no listed volume changes nothing.
void ordnerBaumSetzen(QComboBox& laufwerk, QTreeWidget& baum, const QString& ordner);
// The listed volume that holds ordner (the longest root it lies in), or empty.
QString laufwerkVon(const QComboBox& laufwerk, const QString& ordner);

// The ordinary file (no folder, not hidden) at ordner followed by the parts
// of relativ ('/' or '\' between them), each part matched whatever its
// letter case; its path as it stands on disk, or empty. With muster the
// last part is a pattern in which "*" and "?" stand for any characters;
// without it they are plain characters.
QString dateiFinden(const QString& ordner, const QString& relativ, bool muster = false);

// The system beep. Tests replace it to count beeps; an empty function puts
// the real one back.
void piepen();
void piepenSetzen(std::function<void()> piep);

} // namespace sorvo
