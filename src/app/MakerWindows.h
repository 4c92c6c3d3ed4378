#pragma once
#include <QDialog>

// The information window: product logo and the maker's e-mail link.
class TfrmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);
    static QString mailCommand();

public slots:
    void lnkWebClick();
};

// The maker's window: the maker's picture and web address.
class TfrmSplash : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

public slots:
    void lnkWebClick();
};
