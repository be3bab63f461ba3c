#pragma once
// The splash window: refuses a second instance, builds the version text and
// hands over to the main window after 5 seconds or a click.
#include <QTimer>
#include <QWidget>
#include <memory>

class QLabel;

namespace sorvo {

class EinzelInstanz;
class MDI;

class frmStart : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(QWidget* parent = nullptr);
    ~frmStart() override;

    // False when another instance already runs: the program must end.
    bool Form_Load(const QString& instanzName = QStringLiteral("sorvo"));
    void startbild_Click();
    void Timer1_Timer();

    QLabel* startbild;
    QTimer Timer1;
    // The main window once the splash handed over.
    MDI* hauptfenster() const { return m_mdi; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    MDI* m_mdi = nullptr;
};

// Holds the instance lock for the rest of the run.
EinzelInstanz* laufendeInstanz();

} // namespace sorvo
