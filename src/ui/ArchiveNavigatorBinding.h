#pragma once
#include "ui/ArchiveNavigator.h"
#include "ui/Binder.h"

#include <QLineEdit>

template <class R>
ArchiveNavigator::Binding recordBinding(QWidget *window, std::function<QString()> path,
                                        std::function<void(const R &, int)> afterShow,
                                        std::function<void(R &)> beforeStore)
{
    using Layout = RecordLayout<R>;
    ArchiveNavigator::Binding b;
    b.path = std::move(path);
    b.recordSize = Layout::size;
    b.show = [window, afterShow](const QByteArray &bytes, int index) {
        const R record = Layout::decode(bytes);
        Binder<R>::toWindow(window, record);
        if (afterShow)
            afterShow(record, index);
    };
    b.collect = [window, beforeStore]() {
        R record = Binder<R>::fromWindow(window);
        if (beforeStore)
            beforeStore(record);
        return Layout::encode(record);
    };
    return b;
}

// Makes the record's field `name`, shown in `control`, a number unique in
// the archive; `propose` gives New's number for a count of records.
template <class R>
void uniqueNumber(ArchiveNavigator::Binding &b, const char *name, QLineEdit *control,
                  std::function<QString(int count)> propose)
{
    using Layout = RecordLayout<R>;
    const int index = Layout::indexOf(QString::fromLatin1(name));
    Q_ASSERT_X(index >= 0, "uniqueNumber", name);
    b.number.offset = Layout::offsets()[index];
    b.number.capacity = R::kFields[index].capacity;
    b.number.shown = [control] { return control->text(); };
    b.number.show = [control](const QString &n) { control->setText(n); };
    b.number.propose = std::move(propose);
    b.number.focus = [control] { control->setFocus(Qt::OtherFocusReason); };
}
