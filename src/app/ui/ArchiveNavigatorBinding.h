#pragma once
#include "app/ui/ArchiveNavigator.h"
#include "app/ui/Binder.h"

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
