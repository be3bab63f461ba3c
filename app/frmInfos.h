#pragma once
// The about box.
#include <QDialog>

class QLabel;
class QPushButton;

namespace sorvo {

class frmInfos : public QDialog {
    Q_OBJECT
public:
    explicit frmInfos(QWidget* parent = nullptr);
    QLabel* lblName;
    QLabel* lblVersion;
    QPushButton* cmdOK;
};

} // namespace sorvo
