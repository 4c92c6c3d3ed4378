#pragma once
#include "resultlist/ResultListDialog.h"

class QLabel;
class QLineEdit;

// One criterion of a search window: its field, its label and the record
// field it is looked for in.
struct SearchField
{
    QString control;  // txtNatura
    QString label;    // "Natura e qualità:"
    int offset;       // of the record field
    int capacity;

    template <class R>
    static SearchField of(const char *control, const QString &label, const char *field)
    {
        const int index = RecordLayout<R>::indexOf(QString::fromLatin1(field));
        Q_ASSERT_X(index >= 0, "SearchField::of", field);
        return {QLatin1StringView(control), label, RecordLayout<R>::offsets()[index],
                R::kFields[index].capacity};
    }
};

struct SearchSpec
{
    ListWindowSpec window;
    QList<SearchField> criteria;  // in tab and Enter order
};

// The two-panel search: the criteria panel (panAvvio) and, after "Cerca",
// the results panel (panContainer) with the shared list. A search window
// gives its criteria, its source and what a double-click delivers.
class SearchDialog : public ResultListDialog
{
    Q_OBJECT
public:
    SearchDialog(const SearchSpec &spec, QWidget *parent = nullptr);

    static QString countText(int lines);

public slots:
    void btnCercaClick();
    void btnCercaMouseDown();

protected:
    void formShow() override;
    void formClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildCriteriaPanel();

    SearchSpec m_searchSpec;
    QList<QLineEdit *> m_fields;
    QWidget *panAvvio;
    QLabel *lblAttendere;
    QLabel *lblConta;
    QLabel *lblTrovate;
};
