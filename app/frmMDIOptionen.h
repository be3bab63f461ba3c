#pragma once
// The options dialog: three switches of the program.
#include <QDialog>

class QCheckBox;
class QPushButton;

namespace sorvo {

class frmMDIOptionen : public QDialog {
    Q_OBJECT
public:
    explicit frmMDIOptionen(QWidget* parent = nullptr);
    QCheckBox* chkFokusVorlage;
    QCheckBox* chkAenderung;
    QCheckBox* chkWZFolgt;
    QPushButton* cmdOK;
    void cmdOK_Click();
};

} // namespace sorvo
