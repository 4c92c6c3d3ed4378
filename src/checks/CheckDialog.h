#pragma once
#include "ui/Messages.h"
#include "checks/CheckPicture.h"

#include <QDialog>

class QLineEdit;

// The frame shared by the four code checks: picture, instruction, a big
// input box with its key rules, "Controlla" and "Chiudi". Each check only
// says what it looks like and what "Controlla" does.
class CheckDialog : public QDialog
{
    Q_OBJECT
public:
    // What the box makes of a change to its text.
    enum class Tidy { AsTyped, TrimmedUpperAscii, TrimmedUpper };
    struct Setup
    {
        QString className;
        QString caption;
        QString instruction;
        QString inputName;
        int maxLength;
        bool digitsOnly;  // only 0-9 and the editing keys can be typed
        Tidy tidy;
        CheckPicture::Kind picture;
    };

    CheckDialog(const Setup &setup, QWidget *parent);

public slots:
    void formShow();
    virtual void btnControllaClick() = 0;
    void btnChiudiClick();

protected:
    QLineEdit *input() const { return m_input; }
    // A wrong length: tell the user and let them correct it.
    void warnAndStay(const QString &text);
    // The verdict: one message, then the window closes.
    void tellAndClose(MessageKind kind, const QString &text);

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void inputChanged();

    Setup m_setup;
    QLineEdit *m_input;
};
