#pragma once
#include <QWidget>

// An area window: created once, shown and hidden for the whole run. Closing
// it (button or close box) shows the main menu and hides it, unless the
// window says otherwise or the user keeps a changed card (CardChanges).
// Esc never closes it.
class AreaWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Presentation { Maximised, Fixed };
    AreaWindow(const QString &className, const QString &caption,
               Presentation presentation = Presentation::Maximised, QWidget *parent = nullptr);

    void present();

protected:
    // Runs on every show; area windows reset themselves here.
    virtual void formShow() {}
    // Where the program goes when this window closes; the main menu by default.
    virtual void formClose();
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Presentation m_presentation;
    bool m_oneLine = false;
};
