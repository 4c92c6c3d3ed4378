#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// Three attached files of a customer or register card: each slot names a
// file kept in the shared Documenti_Allegati folder and holds a description.
class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *parent = nullptr);

    static constexpr int kSlots = 3;

public slots:
    void txtFile01Change() { fileChanged(0); }
    void txtFile02Change() { fileChanged(1); }
    void txtFile03Change() { fileChanged(2); }
    void imgCancella01Click() { clearSlot(0); }
    void imgCancella02Click() { clearSlot(1); }
    void imgCancella03Click() { clearSlot(2); }
    void btnSfoglia01Click() { chooseFile(0); }
    void btnSfoglia02Click() { chooseFile(1); }
    void btnSfoglia03Click() { chooseFile(2); }
    void btnApri01Click() { openFile(0); }
    void btnApri02Click() { openFile(1); }
    void btnApri03Click() { openFile(2); }
    void btnApplicaClick();
    void btnAnnullaClick();

private:
    QWidget *buildSlot(int slot);
    void fileChanged(int slot);
    void clearSlot(int slot);
    void chooseFile(int slot);
    void openFile(int slot);

    QLineEdit *m_file[kSlots] = {};
    QLineEdit *m_description[kSlots] = {};
    QPushButton *m_open[kSlots] = {};
};
