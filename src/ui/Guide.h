#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;

// A help window's title and text: what a help button shows, and one chapter
// of the guide in PDF.
struct HelpTopic
{
    QString title;
    QString text;
};

// The help window every help button opens with its area's title and text.
class TfrmGuida : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);
    // Creates a fresh guide, shows it modally and destroys it.
    static void open(QWidget *parent, const QString &title, const QString &text);
    static void open(QWidget *parent, const HelpTopic &topic) { open(parent, topic.title, topic.text); }

    // Guida.pdf lives beside the executable, whatever the data folder: it is
    // built and installed with the program.
    static QString pdfPath();

public slots:
    void lnkWebClick();

private:
    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
};
