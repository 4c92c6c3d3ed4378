#pragma once
#include "ui/Controls.h"
#include "storage/Record.h"

// Moves a record into a window and back by name: the control of field
// "Cliente" is txtCliente, lblCliente or chkCliente.
template <class R>
struct Binder
{
    static QWidget *controlFor(const QWidget *window, const char *field)
    {
        static const char *const prefixes[] = {"txt", "chk", "lbl"};
        for (const char *prefix : prefixes)
            if (QWidget *c = Controls::child(window, QLatin1StringView(prefix) + QLatin1StringView(field)))
                return c;
        return nullptr;
    }

    static void toWindow(QWidget *window, const R &record)
    {
        for (const auto &f : R::kFields)
            if (QWidget *c = controlFor(window, f.name))
                Controls::setText(c, record.*(f.member));
    }

    // Fields without a control keep the value they have in `base`.
    static R fromWindow(const QWidget *window, R base = R())
    {
        for (const auto &f : R::kFields)
            if (QWidget *c = controlFor(window, f.name))
                base.*(f.member) = Controls::text(c);
        return base;
    }
};
