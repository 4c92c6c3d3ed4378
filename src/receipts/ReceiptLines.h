#pragma once
#include "receipts/ReceiptTotals.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QStackedWidget;

// The thirty lines of a receipt, ten to a page on three pages (lines 1-5
// left and 6-10 right on the first), each with its number, description,
// amount and import button; arrows turn the pages.
class ReceiptLines : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kLines = ReceiptTotals::kLines;
    static constexpr int kPerPage = 10;
    static constexpr int kPages = kLines / kPerPage;

    explicit ReceiptLines(QWidget *parent = nullptr);

    // Lines are numbered from 1, as on screen.
    QLineEdit *description(int line) const { return m_descriptions[line - 1]; }
    QLineEdit *amount(int line) const { return m_amounts[line - 1]; }

    int currentPage() const;  // 0-based
    void showPage(int page);

public slots:
    void imgAvanti_AClick();
    void imgAvanti_BClick();
    void imgIndietro_BClick();
    void imgIndietro_CClick();

signals:
    // impMagNN was pressed.
    void importRequested(int line);
    // A line amount was edited by the user.
    void amountEdited();

private:
    QWidget *buildPage(int page);
    void turnTo(int page, int focusLine);

    QStackedWidget *m_pages;
    QLabel *m_title = nullptr;
    std::array<QLineEdit *, kLines> m_descriptions{};
    std::array<QLineEdit *, kLines> m_amounts{};
};
